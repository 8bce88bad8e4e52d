A failing medium: a read error is reported after what was printed or written
before it, and nothing is made from bytes that were not read.

  $ { fill 10 0; printf JKL; fill 1FED 0; printf JKL; fill FFD 0; } > f
  $ cp f g; : > z; fill 800 41 > short; medium f short
  $ bintool L g m/f l; bintool R m/f r1 r2; bintool I m/f i 800; bintool U m/f z
  Can't read file
  Can't read file
  Can't read file
  Can't read file
  $ cmp l <(cat g; head -c 4096 g); cmp r1 <(head -c 4096 g); cmp i <(slice g 800 800)
  $ cmp z r1; echo *
  g i l m r1 z
  $ bintool S m/f g s; bintool O m/f e o; perl -0777 -ne 'print /(.)./gs' r1 | cmp - e
  Can't read file
  Can't read file
  $ bintool T m/f "'JKL'"; bintool K m/f; bintool C m/f g
  0001-000010     
  Can't read file
  Can't read file
  Can't read file
  $ bintool 1 m/f g x; bintool 2 m/f x y; bintool 3 g m/f x; bintool 4 m/f x y; echo *
  Can't read file
  Can't read file
  Can't read file
  Can't read file
  e g i l m o r1 s z
  $ bintool H m/f | uniq -c
        2 >00,>00,>00,>00,>00,>00,>00,>00\r (esc)
        1 >4A,>4B,>4C,>00,>00,>00,>00,>00\r (esc)
      509 >00,>00,>00,>00,>00,>00,>00,>00\r (esc)
        1 Can't read file
  $ bintool P m/f FC0 6
  00FC0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FD0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FE0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  Can't read file

A file that ends before its measured length (it shrank while it was read)
ends each command where its bytes end, as it always has.

  $ bintool K m/short; echo; bintool T m/short 41 | grep -o '[0-9]*-[0-9A-F]*' | tail -n 1
  Length=1800H (6144 DEC)
  Checksum=   20800 (20800)-Checksum=0800
  2048-0007FF
  $ bintool P m/short 7F0 2
  007F0: 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41   AAAAAAAAAAAAAAAA
  00800:                                                                   
  $ { fill 800 41; fill 1000 42; } > long; bintool C m/short long; bintool H m/short | wc -c
  8448
  $ bintool L m/short l2; bintool R m/short r3 r4; bintool I m/short i2 7F0; bintool U m/short z
  $ bintool S m/short long s2; bintool O m/short e2 o2; bintool 2 m/short x y; wc -c l2 r3 r4 i2 z s2 e2 o2 x
   2048 l2
   2048 r3
      0 r4
     16 i2
   4096 z
   4096 s2
   1024 e2
   1024 o2
   3072 x
  17424 total
