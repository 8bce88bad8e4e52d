T: the usage example's pattern, and hits that end at or span a block's end.

  $ printf 'xxMi a\x0fU?A\x0b' > f; printf abc > e; { fill FE 0; printf JK; fill FE 0; printf JK; fill 100 0; } > j
  $ bintool T f "'Mi" "a'" f '?' 3f "'A'" 0B; bintool T j "'JK'"
  0001-000002     
  0001-0000FE     0002-0001FE     
  $ bintool T j '?' "'K'"; bintool T e '?' '?'; bintool T e "'abc" d; bintool T e "'x'"; bintool T e 61 62 63
  0001-0000FE     0002-0001FE     
  0001-000000     0002-000001     
  error: missing closing quote
  
  0001-000000     
  $ fill 200 41 > a; bintool T a "'$(fill 12C 41)'" | grep -o '[0-9]*-[0-9A-F]*' | tail -n 1
  0213-0000D4

T finds patterns of 2, 3 and 5 bytes, wildcards too, wherever they lie across
its reads, with the prompt after every 120 hits (a regular expression says
where).

  $ perl -e 'srand 9; print map { rand() < 0.3 ? "ABCDE" : chr int rand 256 } 1 .. 900' > r
  $ for p in "41 42" "42 ? 44" "41 42 43 44 45" "? 43"; do bintool T r $p | cmp -s - <(tfind r $p) || echo "$p"; done

K: length and the sum of the bytes read as signed values.

  $ printf '\x01\x02\xff' > f; printf '\x80' > n; : > z; for file in f n "z extra"; do bintool K $file; echo; done
  Length=3H (3 DEC)
  Checksum=       2 (2)-Checksum=0002
  Length=1H (1 DEC)
  Checksum=FFFFFF80 (FFFFFF80)-Checksum=FF80
  Length=0H (0 DEC)
  Checksum=       0 (0)-Checksum=0000

K on files of 8 KiB + 1, 64 KiB and 1 MiB + 3, against a sum perl takes byte
by byte.

  $ ksum() { perl -0777 -ne '$s += $_ > 127 ? $_ - 256 : $_ for unpack "C*"; $s &= 0xFFFFFFFF;
  >   printf "Length=%XH (%d DEC)\nChecksum=%8X (%X)-Checksum=%04X", length, length, $s, $s, $s & 0xFFFF' "$1"; }
  $ for n in 2001 10000 100003; do rand $n $n > k; bintool K k | cmp -s - <(ksum k) || echo $n; done

C: every differing offset, bytes unsigned, across blocks and slices.

  $ fill 400 11 > a; fill 401 11 > c; { fill 3F 11; printf '\x80\x11'; fill 3F 11; printf '\x22'; fill 80 11; printf '\x33'
  >   fill 2FD 11; printf '\xfe'; } > b
  $ printf a > x; printf b > y; bintool C x y
  000000 - 61 <> 62
  $ bintool C a b ignored; bintool C a a
  00003F - 11 <> 80
  000080 - 11 <> 22
  000101 - 11 <> 33
  0003FF - 11 <> FE
  $ bintool C a c
  error: Fajlovi 'a' i 'c' nisu iste duzinebintool: a (1024 bytes) and c (1025 bytes) differ in length
  [1]

P: rows of 16 bytes (a decimal count); a window past the end is cut, warned.

  $ { perl -e 'print map chr, 0 .. 15'; printf '\x00A\x80\xff ~.\tabc12345\x7f\x01\x02\x03\x04'; } > f; bintool P f; bintool P f 10; bintool P f 10 0x10; echo; bintool P f 0 10 | cat -v
  00000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................
  00010: 00 41 80 FF 20 7E 2E 09 61 62 63 31 32 33 34 35   .A.. ~..abc12345
  00010: 
  UPOZORENJE: fajl je kraci od adrese + prikaz)
  00000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................
  00010: 00 41 80 FF 20 7E 2E 09 61 62 63 31 32 33 34 35   .A.. ~..abc12345
  00020: 7F 01 02 03 04                                    ^?....           
  $ bintool P a 0 5 | wc -l; bintool P f 45; bintool P f 0 -1
  5
  UPOZORENJE: fajl je kraci od adrese + prikaz)
  error: BACI RACUNAR KROZ PROZOR !!!!!
  error: BACI RACUNAR KROZ PROZOR !!!!!
  [1]

H: every byte as ">XX", eight to a CR LF line, the last line unended.

  $ perl -e 'print map chr, 0 .. 8' > g; fill 208 AB > big; : > z
  $ bintool H g | tr '\r' '~'; echo; bintool H big | tr '\r' '~' | uniq -c; bintool H z
  >00,>01,>02,>03,>04,>05,>06,>07~
  >08,
       65 >AB,>AB,>AB,>AB,>AB,>AB,>AB,>AB~

A key or the end of input goes on at the prompt (120 hits, 24 lines); ESC ends.

  $ fill 79 61 > a; { fill 19 62; fill 60 61; } > b
  $ bintool T a 61 <<< x | cut -c 1-32,1889-
  0001-000000     0002-000001     0119-000076     0120-000077     Pritisni bilo sta za nastavak, ESC - prekid ...
  0121-000078     
  $ printf '\e' | bintool T a 61 | tail -c 80
  0119-000076     0120-000077     Pritisni bilo sta za nastavak, ESC - prekid ...
  $ bintool C a b <&- | tail -n 3; printf '\e' | bintool C a b | tail -n 2
  000017 - 61 <> 62
  Pritisni bilo sta za nastavak, ESC - prekid ...
  000018 - 61 <> 62
  000017 - 61 <> 62
  Pritisni bilo sta za nastavak, ESC - prekid ...
