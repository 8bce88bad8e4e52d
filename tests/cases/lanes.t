O splits an image into lanes and S joins them; an odd image's even lane is longer.

  $ rand 3F6 6 > img; printf '\x00\x01\x02\x03\x04' > odd
  $ bintool O img e o && bintool S e o back && cmp back img && perl -0777 -ne 'print /(.)./gs' img | cmp - e
  $ bintool O odd e o && od -An -tx1 e o
   00 02 04 01 03

S and O failures leave the old image, and a lane made before the failure.

  $ printf abc > e; printf abcd > o; echo old > img
  $ bintool S e o img
  Files are not same size
  bintool: e (3 bytes) and o (4 bytes) differ in length
  [1]
  $ bintool S missing other img 2>/dev/null
  Can't open file
  Can't open file
  Can't open file
  [1]
  $ bintool S e e ./e; bintool S img o o; bintool S o o dir/ 2>/dev/null; cat img
  error: source and destination are the same file
  bintool: e and ./e are one file
  error: source and destination are the same file
  bintool: o and o are one file
  Can't create file
  old
  $ : > z; bintool O z z1 z2
  $ bintool S z z zs
  $ bintool O o no/x y 2>/dev/null
  Can't open file
  [1]
  $ bintool O o x no/y 2>/dev/null; cp e keep; bintool O o keep no/y 2>/dev/null; cmp e keep
  Can't create file
  Can't create file
  $ bintool O o x o; bintool O o o x
  error: source and destination are the same file
  bintool: o and o are one file
  error: source and destination are the same file
  bintool: o and o are one file
  [1]
  $ rm keep; echo *; cat x z1 z2 zs | wc -c
  back e img o odd x z z1 z2 zs
  0

3 joins video EPROMs (second below, first above, words swapped); 4 reads FF past the end.

  $ printf '\xa0\xa1\xa2\xa3' > a; printf '\xb0\xb1\xb2\xb3' > b; bintool 3 a b j && od -An -tx1 j
   b1 b0 b3 b2 a1 a0 a3 a2
  $ printf '\x00\x01\x02\x03\x04\x05' > m; bintool 4 m x y && od -An -tx1 x y
   04 03 ff 01 00 03

1 joins program EPROMs (even words, odd words, middle quarters swapped); 2 splits.

  $ printf '\xa0\xa1\xa2\xa3\xa4\xa5\xa6\xa7' > a; printf '\xb0\xb1\xb2\xb3\xb4\xb5\xb6\xb7' > b; bintool 1 a b j && od -An -tx1 j
   a0 b0 a2 b2 a1 b1 a3 b3 a4 b4 a6 b6 a5 b5 a7 b7
  $ printf '\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09' > m; bintool 2 m x y && od -An -tx1 x y
   00 03 04 07 02 01 06 05 08 03

1 to 4 at every size where blocks meet, as the address formula says, and back.

  $ for n in 4 1FE 200 202 3FE 402 800 C02; do rand $n 1 > e1; rand $n 2 > e2; bintool 1 e1 e2 m1 && heber 0 e1 e2 | cmp - m1 &&
  >   bintool 3 e1 e2 m3 && heber 1 e1 e2 | cmp - m3 && bintool 2 m1 x1 x2 && cmp x1 e1 && cmp x2 e2 &&
  >   bintool 4 m3 y1 y2 && cmp y1 e1 && cmp y2 e2 || echo "n = $n"; done; rm e1 e2 m1 m3 x1 x2 y1 y2

1 to 4 over many blocks, there and back.

  $ rand 402 7 > e1; rand 402 8 > e2; rand 804 9 > img; for c in 1,2 3,4; do
  >   bintool ${c%,*} e1 e2 m && bintool ${c#*,} m x1 x2 && cmp x1 e1 && cmp x2 e2 || echo "$c there"
  >   bintool ${c#*,} img y1 y2 && bintool ${c%,*} y1 y2 back && cmp back img || echo "$c back"
  > done

A source that is also the destination is replaced by the new file, made beside it.

  $ printf '\xa0\xa1\xa2\xa3' > a; cp a a2; cp a d; printf '\xb0\xb1\xb2\xb3' > c; printf '\x00\x01\x02\x03\x04\x05\x06\x07' > m; cp m n
  $ bintool 1 a d a
  $ bintool 3 c a2 a2
  $ bintool 4 m m b
  $ bintool 2 n x n
  $ od -An -tx1 a a2 m b x n
   a0 a0 a1 a1 a2 a2 a3 a3 a1 a0 a3 a2 b1 b0 b3 b2
   05 04 07 06 01 00 03 02 00 02 04 06 01 03 05 07

In place over many blocks, odd quarters and odd lengths: the bytes of new files.

  $ for n in 1402 800; do rand $n 3 > f1; rand $n 4 > f2; for c in 1 3; do
  >   bintool $c f1 f2 new && cp f1 t && bintool $c t f2 t && cp f2 u && bintool $c f1 u u && cmp t new && cmp u new || echo "$c, n = $n"; done; done
  $ for n in 2806 1000; do rand $n 5 > g; for c in 2 4; do
  >   bintool $c g v w && cp g t && bintool $c t t w2 && cp g u && bintool $c u v2 u && cmp t v && cmp w2 w && cmp u w && cmp v2 v || echo "$c, n = $n"; done; done
  $ rm f1 f2 g new t u v w v2 w2

A destination that cannot be created leaves the image as it was, and nothing beside it.

  $ rand 2000 6 > g; cp g keep; { bintool 2 g g ""; bintool 4 g no/v g; bintool 2 g "" g; } 2>/dev/null
  Can't create file
  Can't create file
  Can't create file
  [1]
  $ cmp g keep; echo .bintool*; rm g keep
  .bintool*

Two destinations of one file are refused, by any name or link (one to a name
not made yet too), and nothing is made; the null device twice drops pieces.

  $ printf '\x00\x01\x02\x03\x04\x05\x06\x07' > m8; echo old > u; ln -s u lu; ln -s n1 dl; mkdir sub; ln -s "$PWD/n1" sub/al
  $ bintool 2 m8 dl n1; bintool 4 m8 n1 dl; bintool O m8 sub/al ./n1; bintool R m8 x8 dl n1; ls n1 x8 2>&1 | wc -l
  error: two destinations are the same file
  bintool: dl and n1 are one file
  error: two destinations are the same file
  bintool: n1 and dl are one file
  error: two destinations are the same file
  bintool: sub/al and ./n1 are one file
  error: two destinations are the same file
  bintool: dl and n1 are one file
  2
  $ bintool 2 m8 x8 ./x8
  error: two destinations are the same file
  bintool: x8 and ./x8 are one file
  [1]
  $ bintool 4 m8 u lu
  error: two destinations are the same file
  bintool: u and lu are one file
  [1]
  $ bintool O m8 e8 e8
  error: two destinations are the same file
  bintool: e8 and e8 are one file
  [1]
  $ bintool R m8 p8 q8 p8
  error: two destinations are the same file
  bintool: p8 and p8 are one file
  [1]
  $ bintool R m8 /dev/null /dev/null p3 p4
  $ bintool O m8 /dev/null /dev/null
  $ od -An -tx1 p3 p4; cat u; ls x8 e8 p8 q8 2>&1 | wc -l; rm m8 u lu dl p3 p4
   04 05 06 07
  old
  4

1 to 4 failures make nothing, but a first EPROM before a second that cannot
be created; an image of one byte makes two empty EPROMs.

  $ rm -f x y; printf abc > odd
  $ bintool 3 a m m2
  Files are not the same size
  bintool: a (8 bytes) and m (4 bytes) differ in length
  [1]
  $ bintool 3 missing other m2 2>/dev/null
  Can't open file
  Can't open file
  [1]
  $ printf 1 > one; bintool 1 one one m2
  Files must have an even length
  bintool: one and one have an odd length (1 byte)
  [1]
  $ bintool 2 one p q
  $ bintool 4 one r s
  $ (ulimit -f 10; bintool 2 one one q)
  $ wc -c p q r s one | tr -s ' \n' ' '; rm one p q r s
  0 p 0 q 0 r 0 s 0 one 0 total  (no-eol)
  $ bintool 4 odd x dir/ 2>/dev/null; cat x
  Can't create file
  c (no-eol)
  $ bintool 2 m y no/y 2>/dev/null; od -An -tx1 y
  Can't create file
   05 04
  $ ls m2 2>/dev/null; echo *
  a a2 b back c d e e1 e2 img j m n o odd sub x x1 x2 y y1 y2 z z1 z2 zs
