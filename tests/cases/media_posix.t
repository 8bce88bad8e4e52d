A failing medium (FUSE; CI must have it): a read error comes after what was
printed or written before it; nothing is made from bytes not read.

  $ [ -r /dev/fuse ] && /usr/bin/python3 -c 'import fusepy' 2>/dev/null || [ -n "$CI" ] || skip no FUSE here: /dev/fuse or python3-fusepy is missing, or closed to this user
  $ { fill 10 0; printf JKL; fill 1FED 0; printf JKL; fill FFD 0; } > f; cp f g; cp f h; printf '\x01' | dd of=h bs=1 seek=32 conv=notrunc status=none; : > z; fill 800 41 > short; : > short0; fill 1000 41 > long1; fill 802 41 > long3
  $ { fill 900 41; printf B; fill 6FF 41; } > long2; rand 2802 9 > bits; cp bits b0; rand 800 5 > shortr; : > late7
  $ { cat shortr; fill 1000 0; } > was; medium f short short0 shortr long1 long2 long3 bits late7
  $ bintool L g m/f l
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool R m/f r1 r2
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool I m/f i 800
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool U m/f z
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ cmp l <(cat g; head -c 4096 g); cmp r1 <(head -c 4096 g); cmp i <(slice g 800 800); cmp z r1 && echo *
  b0 g h i l m r1 was z
  $ bintool S m/f g s; bintool O m/f e o; perl -0777 -ne 'print /(.)./gs' r1 | cmp - e
  Can't read file
  bintool: m/f: Input/output error
  Can't read file
  bintool: m/f: Input/output error
  $ bintool T m/f "'JKL'"; bintool K m/f; bintool C m/f h
  0001-000010     
  Can't read file
  bintool: m/f: Input/output error
  Can't read file
  bintool: m/f: Input/output error
  000020 - 00 <> 01
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 1 m/f g x
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 2 m/f x y
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 3 g m/f x
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 4 m/f x y
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 2 m/f m/f y2
  Can't create file
  bintool: m/f: Read-only file system
  [1]
  $ echo *
  b0 e g h i l m o r1 s was x y z

A read error in the other source of a conversion in place leaves the image.

  $ cp g g2; bintool 1 g2 m/f g2
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ bintool 3 m/f g2 g2
  Can't read file
  bintool: m/f: Input/output error
  [1]
  $ cmp g g2 && echo .bintool*; rm g2
  .bintool*
  $ bintool H m/f | tr '\r' '~' | uniq -c
  bintool: m/f: Input/output error
        2 >00,>00,>00,>00,>00,>00,>00,>00~
        1 >4A,>4B,>4C,>00,>00,>00,>00,>00~
      509 >00,>00,>00,>00,>00,>00,>00,>00~
        1 Can't read file
  $ bintool P m/f FC0 6
  00FC0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FD0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FE0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  00FF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   ................
  Can't read file
  bintool: m/f: Input/output error
  [1]

A file shorter than measured (it shrank) ends each command where its bytes end.

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
  $ bintool S m/short long s2; bintool S long m/short s3; bintool O m/short e2 o2; bintool 2 m/short x y
  $ wc -c l2 r3 r4 i2 z s2 s3 e2 o2 x | tr -s ' \n' ' '; tail -c 1 s3; echo; fill 1000 0 > k; bintool 2 m/short0 x y; bintool 1 k m/short0 x; bintool 3 m/short0 k x
   2048 l2 2048 r3 0 r4 16 i2 4096 z 4096 s2 4097 s3 1024 e2 1024 o2 3072 x 21521 total B
  Can't read file
  bintool: m/short0 ended early
  Can't read file
  bintool: m/short0 ended early
  Can't read file
  bintool: m/short0 ended early
  [1]

A source that shrank reads as zeros past its end, whatever was read before:
1, 2 and 4 write what they make of the bytes that were there.

  $ rand 1800 6 > k; bintool 1 m/shortr k x; bintool 1 was k x0; cmp x x0
  $ bintool 2 m/shortr x y; bintool 2 was x0 y0; cmp x x0 && cmp y y0
  $ bintool 4 m/shortr x y; bintool 4 was x0 y0; cmp x x0 && cmp y y0

A file that grows while it is read is read to its measured length.

  $ bintool K m/long1; echo; bintool C m/long1 m/long2; bintool H m/long1 | wc -c
  Length=800H (2048 DEC)
  Checksum=   20800 (20800)-Checksum=0800
  8448
  $ bintool T m/long2 41 | grep -o '[0-9]*-[0-9A-F]*' | tail -n 1; bintool R m/long1 r5 r6; wc -c < r6
  2048-0007FF
  1024
  $ bintool R m/long3 q1 q2 q3 q4; cat q1 q2 q3 q4
  AA (no-eol)

Reads that come back short (1000 bytes at a time) go on where they stopped.

  $ bintool 2 m/bits x y; bintool 2 b0 x0 y0; cmp x x0 && cmp y y0
  $ bintool 3 m/bits b0 v; bintool 3 b0 b0 v0; cmp v v0
  $ [ "$(bintool K m/bits; bintool T m/bits 0A)" = "$(bintool K b0; bintool T b0 0A)" ] && echo same
  same

A write that the medium fails only at close is said.

  $ bintool L b0 m/late1
  Can't write to file
  bintool: m/late1: Input/output error
  [1]
  $ bintool R b0 m/late2
  Can't write to file
  bintool: m/late2: Input/output error
  [1]
  $ bintool 4 b0 m/late3 y; cp b0 bb; bintool 4 bb bb m/late5; bintool 2 bb m/late6 bb; cmp bb b0 && echo .bintool*
  Can't write to file
  bintool: m/late3: Input/output error
  Can't write to file
  bintool: m/late5: Input/output error
  Can't write to file
  bintool: m/late6: Input/output error
  .bintool*
  $ bintool U b0 m/late7 2
  Can't write to file
  bintool: m/late7: Input/output error
  [1]
  $ bintool K b0 > m/late4
  Can't write to file
  bintool: standard output: Input/output error
  [1]
