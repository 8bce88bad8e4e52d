Named pipes cannot be measured: nothing waits, nothing is made.

  $ printf abcd > f; mkfifo p
  $ for c in "I p o2" "K p" "C f p" "O p a b" "H p" "2 p a b" "S p f o2"; do row $c; done; echo *
  I p o2 [1] Can't open file| ~ bintool: p: Illegal seek|
  K p [1] Can't open file| ~ bintool: p: Illegal seek|
  C f p [1] Can't open file| ~ bintool: p: Illegal seek|
  O p a b [1] Can't open file| ~ bintool: p: Illegal seek|
  H p [1] Can't open file| ~ bintool: p: Illegal seek|
  2 p a b [1] Can't open file| ~ bintool: p: Illegal seek|
  S p f o2 [1] Can't open file|Files are not same size| ~ bintool: p: Illegal seek|
  f p

A full disk or a file size limit fails the write that meets it, after what fits.

  $ rand 1000 2 > a; for c in "L a /dev/full" "U a /dev/full" "S f f /dev/full" "O f /dev/full b" "O f b /dev/full" "1 f f /dev/full"; do row $c; done
  L a /dev/full [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  U a /dev/full [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  S f f /dev/full [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  O f /dev/full b [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  O f b /dev/full [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  1 f f /dev/full [1] Can't write to file| ~ bintool: /dev/full: No space left on device|
  $ (ulimit -f 1; for c in "L a x" "R a y z" "I a i" "4 a v w" "O a e o"; do row $c; done)
  L a x [1] Can't write to file| ~ bintool: x: File too large|
  R a y z [1] Can't write to file| ~ bintool: y: File too large|
  I a i [1] Can't write to file| ~ bintool: i: File too large|
  4 a v w [1] Can't write to file| ~ bintool: v: File too large|
  O a e o [1] Can't write to file| ~ bintool: e: File too large|
  $ cmp x <(head -c 1024 a); cmp y x; cmp i x; wc -c < v; head -c 2048 a | perl -0777 -ne 'print /(.)./gs' | cmp - e
  1024

A pipe takes the HEBER program image in its own order.

  $ rand 402 3 > e1; rand 402 4 > e2; bintool 1 e1 e2 m && bintool 1 e1 e2 /dev/stdout | cmp - m && rm e1 e2 m

Devices are read to their measured length: /dev/null and /dev/zero hold none.

  $ bintool K /dev/null; echo; bintool L /dev/null n; bintool C /dev/null n; wc -c < n
  Length=0H (0 DEC)
  Checksum=       0 (0)-Checksum=0000
  0
  $ (ulimit -f 100; bintool K /dev/zero; echo; bintool O /dev/zero z1 z2; bintool S /dev/zero /dev/zero z3; bintool I /dev/zero z4 0; bintool R /dev/zero z5 z6); cat z? | wc -c
  Length=0H (0 DEC)
  Checksum=       0 (0)-Checksum=0000
  0

Names are taken as they stand, control bytes included.

  $ printf x > $'\x01'; bintool L $'\x01' $'\x01' -- && cat -- --
  xx (no-eol)

A failing standard output (a listing, the prompt, the last flush) ends the run
and says so once on standard error; a reader that has gone is no failure.

  $ fill 100000 41 > big; fill 30 61 > a; fill 30 62 > b; bintool H big 2>err | head -c 16; echo " ${PIPESTATUS[0]}"; cat err
  >41,>41,>41,>41, 0
  $ for c in "H big" "C a b" "K f"; do bintool $c > /dev/full 2> err; echo "$c [$?] $(tr '\n' '|' < err)"; done
  H big [1] Can't write to file|bintool: standard output: No space left on device|
  C a b [1] Can't write to file|bintool: standard output: No space left on device|
  K f [1] Can't write to file|bintool: standard output: No space left on device|
  $ (ulimit -f 1; bintool T big 41 > out; echo "[$?]"; cat) <<< keys; wc -c < out
  Can't write to file
  bintool: standard output: File too large
  [1]
  keys
  1024

L waits for a named pipe's writer, early or late, as cat does, and reads the
sources it opened even when their names go meanwhile; past the open-file
limit files open again at their turn, and must be the same files; a
destination that finds no descriptor free is checked at its turn.

  $ (printf early, > p) & waits $!; bintool L p f pout; wait $!; cat pout
  early,abcd (no-eol)
  $ bash -c 'exec $BINTOOL_RUNNER "$BINTOOL_BIN" L f p pout' & waits $!; mv f f2; printf late, > p; wait $!; mv f2 f; cat pout
  abcdlate, (no-eol)
  $ for i in $(seq 40); do printf "$i," > s$i; done; (ulimit -n 20; bintool L $(seq -f s%g 40) all); cat all
  1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40, (no-eol)
  $ for n in 15 16 17 18; do (ulimit -n 20; bintool L $(seq -f s%g $n) all) && cat $(seq -f s%g $n) | cmp -s - all || echo $n; done
  $ cp s1 keep; for n in 15 16 17 18; do (ulimit -n 20; bintool L $(seq -f s%g $n) s1 2>&1 | tr '\n' ' '; echo $n); cmp s1 keep; done
  error: source and destination are the same file bintool: s1 and s1 are one file 15
  error: source and destination are the same file bintool: s1 and s1 are one file 16
  error: source and destination are the same file bintool: s1 and s1 are one file 17
  error: source and destination are the same file bintool: s1 and s1 are one file 18
  $ (ulimit -n 20; bintool R all $(seq -f r%g 23) r1 2>&1 | tr '\n' ' '); ls r* | wc -l
  error: two destinations are the same file bintool: r1 and r1 are one file 23
  $ mkfifo q; bash -c 'ulimit -n 20; exec $BINTOOL_RUNNER "$BINTOOL_BIN" L $(seq -f s%g 40) q' & waits $!; mv s2 s0; printf x > s2; cat q > all2; wait $!; cat all2
  File could not be opened
  bintool: s2 was replaced meanwhile
  1, (no-eol)

A reader that leaves ends every writing command at once (unheard on standard
output, said on standard error); a named pipe as a destination waits for a
late reader; one read slowly gets every byte.

  $ for c in "L big @" "R big @ x" "I big @" "S big big @" "O big @ x" "1 big big @" "2 big @ x" "3 big big @" "4 big @ x"; do
  >   bintool ${c/@//dev/stdout} 2>err | head -c 4; echo " ${PIPESTATUS[0]} $c: $(cat err)"; done
  AAAA 1 L big @: bintool: /dev/stdout: Broken pipe
  AAAA 1 R big @ x: bintool: /dev/stdout: Broken pipe
  AAAA 1 I big @: bintool: /dev/stdout: Broken pipe
  AAAA 1 S big big @: bintool: /dev/stdout: Broken pipe
  AAAA 1 O big @ x: bintool: /dev/stdout: Broken pipe
  AAAA 1 1 big big @: bintool: /dev/stdout: Broken pipe
  AAAA 1 2 big @ x: bintool: /dev/stdout: Broken pipe
  AAAA 1 3 big big @: bintool: /dev/stdout: Broken pipe
  AAAA 1 4 big @ x: bintool: /dev/stdout: Broken pipe
  $ bash -c 'exec $BINTOOL_RUNNER "$BINTOOL_BIN" L big q' & waits $!; cat q > got; wait $!; cmp got big
  $ (head -c 10 q > /dev/null) & bintool 2 big q x; wait $!
  Can't write to file
  bintool: q: Broken pipe
  $ for c in "O big @ x" "2 big @ x"; do bintool ${c/@//dev/stdout} | (sleep 0.3; cat) > slow; bintool ${c/@/fast} && cmp slow fast || echo "$c"; done

A closed standard input is no keyboard, and no file takes its place.

  $ fill 1000 41 > a4; fill 1000 42 > b4; bintool C a4 b4 <&- | grep -c '<>'; bintool T a4 41 <&- | grep -o '[0-9]*-[0-9A-F]*' | tail -n 1
  4096
  4096-000FFF

A sparse 5 EiB file overflows nothing: 1 to 4 refuse it, P, I and U reach it.

  $ d=$(mktemp -d /dev/shm/bintool-$$-XXXXXX) && truncate -s 5E $d/h || skip no 5 EiB sparse file on /dev/shm
  $ cp f $d; cd $d; truncate -s $((0x40000002)) g; for c in "1 g g x" "2 h x y" "3 h h x" "4 h x y" "S h f x"; do row $c; done; cd - > /dev/null
  1 g g x [1] Can't create buffer| ~ bintool: g and g are 1 GiB or more|
  2 h x y [1] Can't create buffer| ~ bintool: h is 2 GiB or more|
  3 h h x [1] Can't create buffer| ~ bintool: h and h are 1 GiB or more|
  4 h x y [1] Can't create buffer| ~ bintool: h is 2 GiB or more|
  S h f x [1] Files are not same size| ~ bintool: h (5764607523034234880 bytes) and f (4 bytes) differ in length|
  $ bintool U f $d/h FFFFFFFE && bintool P $d/h FFFFFFF0 2 && bintool I $d/h i FFFFFFFF 2 && cat i; rm -r $d
  FFFFFFF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 61 62   ..............ab
  100000000: 63 64 00 00 00 00 00 00 00 00 00 00 00 00 00 00   cd..............
  bc (no-eol)
