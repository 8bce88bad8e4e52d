L joins sources in argument order, across blocks; empty ones add nothing.

  $ rand 3F5 1 > c; printf 12 > a; : > e; echo old > d
  $ bintool L c e a d && cmp d <(cat c a) && umask 022 && bintool L a n && stat -c %a n
  644

L touches no destination until every source opens, nor one that is a source.

  $ bintool L a nofile d 2>/dev/null; bintool L a x x 2>/dev/null; bintool L a e ./a; bintool L c a a
  File could not be opened
  File could not be opened
  error: source and destination are the same file
  bintool: a and ./a are one file
  error: source and destination are the same file
  bintool: a and a are one file
  [1]
  $ bintool L a no/x 2>/dev/null
  Can't create file
  [1]
  $ echo *; cmp d <(cat c a)
  a c d e n

R cuts equal pieces; the remainder goes nowhere; pieces made before a failure stay.

  $ bintool R c r1 r2 r3 && cmp r1 <(slice c 0 151) && cmp r3 <(slice c 2A2 151)
  $ cmp r2 <(slice c 151 151); rm r*; bintool R c r1 no/r2 2>/dev/null; cmp r1 <(slice c 0 1FA)
  File could not be opened
  $ bintool R c c r2; bintool R c r1 c
  error: source and destination are the same file
  bintool: c and c are one file
  error: source and destination are the same file
  bintool: c and c are one file
  [1]
  $ bintool R a r1 r2 r3 && cat r1 r2 r3 && wc -c < r3 && rm r*
  120

I copies from an address, to the end (length 0 or top bit set) or for a length.

  $ bintool I c i && cmp i c && bintool I c i 0x10 108 && cmp i <(slice c 10 108)
  $ bintool I c i 3F0 100 && cmp i <(slice c 3F0 100) && bintool I c i 38 2 x && cmp i <(slice c 38 3F5)
  $ bintool I c i 10 0 && cmp i <(slice c 10 3F5) && bintool I c i 10 80000000 && cmp i <(slice c 10 3F5)
  $ bintool I c i FFFFFFFF && bintool I e i2 && cat i i2 | wc -c
  0
  $ bintool I c c 10; bintool I c dir/ 2>/dev/null
  error: source and destination are the same file
  bintool: c and c are one file
  Can't create file
  [1]

U patches in place: inside, across and past the end; at 0 if an argument follows.

  $ fill 10 EE > s; fill 100 0 > u; bintool U s u 20 && cmp u <(fill 20 0; fill 10 EE; fill D0 0)
  $ bintool U s u F8 && bintool U s u 20 x && cmp u <(fill 10 EE; fill 10 0; fill 10 EE; fill C8 0; fill 10 EE)
  $ bintool U s u 200 && bintool U e u 0 && cmp u <(fill 10 EE; fill 10 0; fill 10 EE; fill C8 0; fill 10 EE; fill F8 0; fill 10 EE)
  $ printf Z > z; cp u u1; bintool U z u1 3 && cmp u1 <(head -c 3 u; printf Z; tail -c +5 u); rm z u1
  $ { bintool U s missing 20; bintool U e missing; bintool U missing u; } 2>/dev/null; echo *
  Can't open file
  Can't open file
  Can't open file
  Can't create file
  a c d e i i2 n s u

U into itself copies the bytes as they were before the command.

  $ cp c f && bintool U f f 0 && cmp f c && bintool U f f 1 && cmp f <(head -c 1 c; cat c)
  $ cp c f && bintool U f f 10001 && cmp f <(cat c; fill FC0C 0; cat c)
  $ rand 101 6 > g && cp g f && bintool U f f 5 && cmp f <(head -c 5 g; cat g)
  $ printf Q > f && bintool U f f 3 && cmp f <(printf 'Q\0\0Q')

Names are taken as they stand: blanks, dashes, UTF-8 letters.

  $ printf 1 > 'a b'; printf 2 > -x; printf 33 > čačak_Ωмир.bin; bintool L 'a b' -x čačak_Ωмир.bin -- && cat -- -- && echo
  1233
  $ bintool C 'a b' čačak_Ωмир.bin
  error: Fajlovi 'a b' i 'čačak_Ωмир.bin' nisu iste duzinebintool: a b (1 byte) and čačak_Ωмир.bin (2 bytes) differ in length
  [1]
