Directories are no files, and named pipes cannot be measured: nothing waits.

  $ printf abcd > f; mkdir dir; mkfifo p
  $ bintool L dir o; bintool K dir; bintool 3 f f dir; bintool R f dir
  File could not be opened
  Can't open file
  Can't create file
  File could not be opened
  $ bintool I p o2; bintool K p; bintool C f p; echo *
  Can't open file
  Can't open file
  Can't open file
  dir f p
  $ bintool O p a b; bintool H p; bintool 2 p a b; bintool S p f o2; echo *
  Can't open file
  Can't open file
  Can't open file
  Can't open file
  Files are not same size
  dir f p

A full disk or a file size limit fails the write that meets it, after what fits.

  $ rand 1000 2 > a; bintool L a /dev/full; bintool U a /dev/full; bintool S f f /dev/full; bintool O f /dev/full b; bintool O f b /dev/full; bintool 1 f f /dev/full
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  $ (ulimit -f 1; bintool L a x; bintool R a y z; bintool I a i; bintool 4 a v w)
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  $ cmp x <(head -c 1024 a); cmp y x; cmp i x; wc -c < v
  1024
  $ (ulimit -f 1; bintool O a e o); head -c 2048 a | perl -0777 -ne 'print /(.)./gs' | cmp - e
  Can't write to file

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
  $ bintool H big 2>&1 >/dev/full; bintool C a b 2>&1 >/dev/full; bintool K f 2>&1 >/dev/full
  Can't write to file
  Can't write to file
  Can't write to file
  $ (ulimit -f 1; bintool T big 41 > out; cat) <<< keys; wc -c < out
  Can't write to file
  keys
  1024

(waits: until the kernel says the process waits at a named pipe, or 3 seconds
where it names that otherwise.) L waits for a named pipe's writer, early or
late, as cat does, and reads the
sources it opened even when their names go meanwhile; past the open-file
limit files open again at their turn, and must be the same files.

  $ waits() { for i in $(seq 300); do grep -q -e wait_for_partner -e fifo_open /proc/$1/wchan 2>/dev/null && return; sleep 0.01; done; }
  $ (printf early, > p) & waits $!; bintool L p f pout; wait $!; cat pout
  early,abcd (no-eol)
  $ bash -c 'exec $BINTOOL_RUNNER "$BINTOOL_BIN" L f p pout' & waits $!; mv f f2; printf late, > p; wait $!; mv f2 f; cat pout
  abcdlate, (no-eol)
  $ for i in $(seq 40); do printf "$i," > s$i; done; (ulimit -n 20; bintool L $(seq -f s%g 40) all); cat all
  1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40, (no-eol)
  $ for n in 15 16 17 18; do (ulimit -n 20; bintool L $(seq -f s%g $n) all) && cat $(seq -f s%g $n) | cmp - all; done
  $ mkfifo q; bash -c 'ulimit -n 20; exec $BINTOOL_RUNNER "$BINTOOL_BIN" L $(seq -f s%g 40) q' & waits $!; mv s2 s0; printf x > s2; cat q > all2; wait $!; cat all2
  File could not be opened
  1, (no-eol)

A reader that leaves ends every writing command at once (unheard on standard
output); a named pipe as a destination waits for a late reader.

  $ for c in "L big @" "R big @ x" "I big @" "S big big @" "O big @ x" "1 big big @" "2 big @ x" "3 big big @" "4 big @ x"; do
  >   bintool ${c/@//dev/stdout} | head -c 4; echo " ${PIPESTATUS[0]}"; done | uniq -c
        9 AAAA 0
  $ bash -c 'exec $BINTOOL_RUNNER "$BINTOOL_BIN" L big q' & waits $!; cat q > got; wait $!; cmp got big
  $ (head -c 10 q > /dev/null) & bintool 2 big q x; wait $!
  Can't write to file

A closed standard input is no keyboard, and no file takes its place.

  $ fill 1000 41 > a4; fill 1000 42 > b4; bintool C a4 b4 <&- | grep -c '<>'; bintool T a4 41 <&- | grep -o '[0-9]*-[0-9A-F]*' | tail -n 1
  4096
  4096-000FFF

A sparse 5 EiB file overflows nothing: 1 to 4 refuse it, P, I and U reach it.

  $ d=$(mktemp -d /dev/shm/bintool-$$-XXXXXX) && truncate -s 5E $d/h || skip no 5 EiB sparse file on /dev/shm
  $ truncate -s $((0x40000002)) $d/g; bintool 1 $d/g $d/g x; bintool 2 $d/h x y; bintool 3 $d/h $d/h x; bintool 4 $d/h x y; bintool S $d/h f x
  Can't create buffer
  Can't create buffer
  Can't create buffer
  Can't create buffer
  Files are not same size
  $ bintool U f $d/h FFFFFFFE && bintool P $d/h FFFFFFF0 2 && bintool I $d/h i FFFFFFFF 2 && cat i; rm -r $d
  FFFFFFF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 61 62   ..............ab
  100000000: 63 64 00 00 00 00 00 00 00 00 00 00 00 00 00 00   cd..............
  bc (no-eol)
