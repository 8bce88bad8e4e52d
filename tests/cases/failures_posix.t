Every command, failing and not: its status (1 for a failure it says, 0 when
it did what was asked), its bytes on standard output as ever, and on standard
error ("~") the file and what the system said. A folder stands for a source
that cannot be read and for a destination that cannot be written.

  $ printf abcd > f; printf abce > g; printf abcde > h; : > e; cp f u; mkdir d
  $ for c in "L missing x" "L d x" "L f d" "L f f" "L f" "L f g s1"; do row $c; done
  L missing x [1] File could not be opened| ~ bintool: missing: No such file or directory|
  L d x [1] File could not be opened| ~ bintool: d: Is a directory|
  L f d [1] Can't create file| ~ bintool: d: Is a directory|
  L f f [1] error: source and destination are the same file| ~ bintool: f and f are one file|
  L f [1] error: Too few params !!!|
  L f g s1 [0]
  $ for c in "R missing x" "R d x" "R f d" "R f f" "R f" "R f s1 s2"; do row $c; done
  R missing x [1] Can't open file|Can't create file| ~ bintool: missing: No such file or directory|
  R d x [1] Can't open file|Can't create file| ~ bintool: d: Is a directory|
  R f d [1] File could not be opened| ~ bintool: d: Is a directory|
  R f f [1] error: source and destination are the same file| ~ bintool: f and f are one file|
  R f [1] error: Too few params !!!|
  R f s1 s2 [0]
  $ for c in "U missing f" "U d f" "U f d" "U f missing" "U f" "U g u 2"; do row $c; done
  U missing f [1] Can't open file|Can't create file| ~ bintool: missing: No such file or directory|
  U d f [1] Can't open file|Can't create file| ~ bintool: d: Is a directory|
  U f d [1] Can't open file| ~ bintool: d: Is a directory|
  U f missing [1] Can't open file| ~ bintool: missing: No such file or directory|
  U f [1] error: Too few params !!!|
  U g u 2 [0]
  $ for c in "I missing x" "I d x" "I f d" "I f f" "I f" "I f s1 1 2"; do row $c; done
  I missing x [1] Can't open file|Can't create file| ~ bintool: missing: No such file or directory|
  I d x [1] Can't open file|Can't create file| ~ bintool: d: Is a directory|
  I f d [1] Can't create file| ~ bintool: d: Is a directory|
  I f f [1] error: source and destination are the same file| ~ bintool: f and f are one file|
  I f [1] error: Too few params !!!|
  I f s1 1 2 [0]
  $ for c in "S missing f x" "S d f x" "S f g d" "S f g g" "S f h x" "S f g" "S f g s1"; do row $c; done
  S missing f x [1] Can't open file|Files are not same size| ~ bintool: missing: No such file or directory|
  S d f x [1] Can't open file|Files are not same size| ~ bintool: d: Is a directory|
  S f g d [1] Can't create file| ~ bintool: d: Is a directory|
  S f g g [1] error: source and destination are the same file| ~ bintool: g and g are one file|
  S f h x [1] Files are not same size| ~ bintool: f (4 bytes) and h (5 bytes) differ in length|
  S f g [1] error: Too few params !!!|
  S f g s1 [0]
  $ for c in "O missing x y" "O d x y" "O f d y" "O f x d" "O f x x" "O f x" "O f s1 s2"; do row $c; done
  O missing x y [1] Can't open file|Can't open file| ~ bintool: missing: No such file or directory|
  O d x y [1] Can't open file|Can't open file| ~ bintool: d: Is a directory|
  O f d y [1] Can't open file| ~ bintool: d: Is a directory|
  O f x d [1] Can't create file| ~ bintool: d: Is a directory|
  O f x x [1] error: two destinations are the same file| ~ bintool: x and x are one file|
  O f x [1] error: Too few params !!!|
  O f s1 s2 [0]
  $ for c in "T missing 61" "T d 61" "T f" "T f 'ab" "T f 61" "T f 7A"; do row $c; done
  T missing 61 [1] Can't open file| ~ bintool: missing: No such file or directory|
  T d 61 [1] Can't open file| ~ bintool: d: Is a directory|
  T f [1] error: nije dobar broj  parametara !!!|
  T f 'ab [1] error: missing closing quote|
  T f 61 [0] 0001-000000     |
  T f 7A [0] |
  $ for c in "K missing" "K d" "K" "K f" "P missing" "P d" "P" "P f 0 -1" "P f" "H missing" "H d" "H" "H f"; do row $c; done
  K missing [1] Can't open file| ~ bintool: missing: No such file or directory|
  K d [1] Can't open file| ~ bintool: d: Is a directory|
  K [1] error: Suvise malo parametara !!!|
  K f [0] Length=4H (4 DEC)|Checksum=     18A (18A)-Checksum=018A
  P missing [1] Can't open file| ~ bintool: missing: No such file or directory|
  P d [1] Can't open file| ~ bintool: d: Is a directory|
  P [1] error: Suvise malo parametara !!!|
  P f 0 -1 [1] error: BACI RACUNAR KROZ PROZOR !!!!!|
  P f [0] UPOZORENJE: fajl je kraci od adrese + prikaz)|00000: 61 62 63 64                                       abcd            |
  H missing [1] Can't open file|Can't open file| ~ bintool: missing: No such file or directory|
  H d [1] Can't open file|Can't open file| ~ bintool: d: Is a directory|
  H [1] error: Too few param's !!!|
  H f [0] >61,>62,>63,>64,
  $ for c in "C missing f" "C f missing" "C d f" "C f" "C f h" "C f g" "C f f"; do row $c; done
  C missing f [1] Can't open file| ~ bintool: missing: No such file or directory|
  C f missing [1] Can't open file| ~ bintool: missing: No such file or directory|
  C d f [1] Can't open file| ~ bintool: d: Is a directory|
  C f [1] error: Too few params !!!|
  C f h [1] error: Fajlovi 'f' i 'h' nisu iste duzine ~ bintool: f (4 bytes) and h (5 bytes) differ in length|
  C f g [0] 000003 - 64 <> 65|
  C f f [0]
  $ for c in 1 3; do for a in "missing f x" "d f x" "f g d" "f h x" "f g" "h h x" "e e x" "f g s1"; do row $c $a; done; done
  1 missing f x [1] Can't open file|Files are not the same size| ~ bintool: missing: No such file or directory|
  1 d f x [1] Can't open file|Files are not the same size| ~ bintool: d: Is a directory|
  1 f g d [1] Can't create file| ~ bintool: d: Is a directory|
  1 f h x [1] Files are not the same size| ~ bintool: f (4 bytes) and h (5 bytes) differ in length|
  1 f g [1] error: Too few params !!!|
  1 h h x [1] Files must have an even length| ~ bintool: h and h have an odd length (5 bytes)|
  1 e e x [1] ~ bintool: e and e are empty|
  1 f g s1 [0]
  3 missing f x [1] Can't open file|Files are not the same size| ~ bintool: missing: No such file or directory|
  3 d f x [1] Can't open file|Files are not the same size| ~ bintool: d: Is a directory|
  3 f g d [1] Can't create file| ~ bintool: d: Is a directory|
  3 f h x [1] Files are not the same size| ~ bintool: f (4 bytes) and h (5 bytes) differ in length|
  3 f g [1] error: Too few params !!!|
  3 h h x [1] Files must have an even length| ~ bintool: h and h have an odd length (5 bytes)|
  3 e e x [1] ~ bintool: e and e are empty|
  3 f g s1 [0]
  $ for c in 2 4; do for a in "missing x y" "d x y" "f d y" "f x d" "f x x" "f x" "e x y" "f s1 s2"; do row $c $a; done; done
  2 missing x y [1] Can't open file| ~ bintool: missing: No such file or directory|
  2 d x y [1] Can't open file| ~ bintool: d: Is a directory|
  2 f d y [1] Can't create file| ~ bintool: d: Is a directory|
  2 f x d [1] Can't create file| ~ bintool: d: Is a directory|
  2 f x x [1] error: two destinations are the same file| ~ bintool: x and x are one file|
  2 f x [1] error: Too few params !!!|
  2 e x y [1] ~ bintool: e is empty|
  2 f s1 s2 [0]
  4 missing x y [1] Can't open file| ~ bintool: missing: No such file or directory|
  4 d x y [1] Can't open file| ~ bintool: d: Is a directory|
  4 f d y [1] Can't create file| ~ bintool: d: Is a directory|
  4 f x d [1] Can't create file| ~ bintool: d: Is a directory|
  4 f x x [1] error: two destinations are the same file| ~ bintool: x and x are one file|
  4 f x [1] error: Too few params !!!|
  4 e x y [1] ~ bintool: e is empty|
  4 f s1 s2 [0]
  $ echo *; od -An -c s1 s2
  d e f g h s1 s2 u x
     d   c   b   a

make goes on after C lists differences (the files were compared) and stops at
a command that fails, before the rule that would use what it did not make.

  $ printf 'SHELL = /bin/bash\nburn: lanes\n\techo burning\nlanes:\n\tbintool C f g > diffs\n\tbintool O rom even odd\n' > Makefile; make -s; echo "[$?]"; cat diffs
  Can't open file
  Can't open file
  bintool: rom: No such file or directory
  make: *** [Makefile:6: lanes] Error 1
  [2]
  000003 - 64 <> 65
