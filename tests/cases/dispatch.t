Transcripts: one bash session a file. "  $ " ("  > " goes on) is a command, its
output follows indented two blanks, " (no-eol)" ends a line with no line end,
and [N] is a status not 0. Helpers (rand, fill, slice, medium, skip): e2e/prelude.sh.

The usage text names the program as it was called.

  $ bintool | sed 's/^.*bintool\(\.exe\)\? # file1/bintool # file1/'
  
  bintool # file1 file2 ... (All numbers are HEX) - V.8.0
  
  # = L - adding 2 or more files:                 sourc1 sourc2 ... dest
  # = R - split to 2 or more files:               sourc dest1 dest2 ...
  # = U - insert source in dest at the address:   sourc dest address
  # = I - extract part of the file from address:  sourc dest address [length]
  # = S - combine two 8-bit files to one 16-bit:  sourc1 sourc2 dest
  # = O - split one 16-bit file to two 8-bit:     sourc dest1 dest2
  # = T - search in file:                         sourc 'Mi a' f ? 3f 'A' 0B
  # = K - checksum:                               sourc
  # = C - compare 2 files:                        sourc1 sourc2
  # = P - show HEX from address:                  sourc adresa [No. rows]
  # = H - convert BIN to ASCI (eg. 0xff,...):     sourc >dest
  # = 1 - convert HEBER 2 eproms to 1       :     sourc1 sourc2 dest
  # = 2 - convert HEBER 1 eprom to 2        :     sourc dest1 dest2
  # = 3 - convert HEBER video 2 eproms to 1 :     sourc1 sourc2 dest
  # = 4 - convert HEBER video 1 eprom to 2  :     sourc dest1 dest2 (no-eol)

Help and the version where people look.

  $ bintool --help | cmp - <(bintool; printf '\n\nEvery command in full: man bintool (bintool.txt on Windows)\n') && bintool -h | cmp - <(bintool --help) && bintool --version
  bintool 8.0

Letters match whole arguments in either case; anything else runs nothing, and
standard error says so.

  $ printf '\x01\x02\xff' > f; bintool k f
  Length=3H (3 DEC)
  Checksum=       2 (2)-Checksum=0002 (no-eol)
  $ for letter in KK 'K ' '' 5 --helpme; do bintool "$letter" f g h; echo "$letter [$?]"; done; echo *
  bintool: 'KK' is no command; run bintool without arguments for the list
  KK [1]
  bintool: 'K ' is no command; run bintool without arguments for the list
  K  [1]
  bintool: '' is no command; run bintool without arguments for the list
   [1]
  bintool: '5' is no command; run bintool without arguments for the list
  5 [1]
  bintool: '--helpme' is no command; run bintool without arguments for the list
  --helpme [1]
  f

Too few arguments: each command's own message, before any file is touched.

  $ bintool K; bintool P; bintool H; bintool T f; echo *; od -An -tx1 f
  error: Suvise malo parametara !!!
  error: Suvise malo parametara !!!
  error: Too few param's !!!
  error: nije dobar broj  parametara !!!
  f
   01 02 ff
