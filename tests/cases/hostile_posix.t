A directory is no file, and a named pipe cannot be measured: nothing is read
from them, created over them or made from them, and nothing waits.

  $ printf abcd > f; mkdir dir; mkfifo p
  $ bintool L dir o; bintool K dir; bintool 3 f f dir; bintool R f dir
  File could not be opened
  Can't open file
  Can't create file
  File could not be opened
  $ bintool L p o; bintool I p o2; bintool K p; bintool C f p; echo *
  Can't open file
  Can't open file
  Can't open file
  dir f o p
  $ bintool O p a b; bintool H p; bintool 2 p a b; bintool S p f o2; echo *
  Can't open file
  Can't open file
  Can't open file
  Can't open file
  Files are not same size
  dir f o p

A full disk or a file size limit fails the write that meets it, after the
bytes that fit.

  $ rand 1000 2 > a
  $ bintool L a /dev/full; bintool U a /dev/full; bintool S f f /dev/full
  Can't write to file
  Can't write to file
  Can't write to file
  $ bintool O f /dev/full b; bintool O f b /dev/full; bintool 1 f f /dev/full
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

/dev/null reads as an empty file.

  $ bintool K /dev/null; echo; bintool L /dev/null n; bintool C /dev/null n; wc -c < n
  Length=0H (0 DEC)
  Checksum=       0 (0)-Checksum=0000
  0

Names are taken as they stand, control bytes included.

  $ printf x > $'\x01'; bintool L $'\x01' $'\x01' -- && cat -- --
  xx (no-eol)

A standard output that fails ends the run, with status 0.

  $ fill 100000 41 > big
  $ bintool H big | head -c 16; echo " ${PIPESTATUS[0]}"
  >41,>41,>41,>41, 0
  $ (ulimit -f 1; bintool T big 41 > out; cat) <<< keys; wc -c < out
  keys
  1024

