Windows names that differ but lead to one file (letter case, a trailing dot)
are one destination; in place through a link keeps the link, and a name on a
drive's own folder (Z:img) makes its new file beside the image.

  $ rand 1000 1 > img; cp img keep; bintool 2 img v w
  $ for c in "2 img U1 u1" "O img E1 e1" "2 img u1. u1" "S img img IMG."; do row $c; done; echo * .bintool*
  2 img U1 u1 [1] error: two destinations are the same file| ~ bintool: U1 and u1 are one file|
  O img E1 e1 [1] error: two destinations are the same file| ~ bintool: E1 and e1 are one file|
  2 img u1. u1 [1] error: two destinations are the same file| ~ bintool: u1. and u1 are one file|
  S img img IMG. [1] error: source and destination are the same file| ~ bintool: img and IMG. are one file|
  img keep v w .bintool*
  $ ln -s img link && bintool 2 link link y && [ -L link ] && cmp img v && cmp y w && bintool 1 Z:img Z:y Z:img && cmp img keep && echo * .bintool*
  img keep link v w y .bintool*

Standard error says what the system says, in its own words (FormatMessage;
here Wine's).

  $ mkdir d; for c in "K missing" "K d" "L img no\\x"; do row $c; done
  K missing [1] Can't open file| ~ bintool: missing: File not found.|
  K d [1] Can't open file| ~ bintool: d: Access denied.|
  L img no\x [1] Can't create file| ~ bintool: no\x: Path not found.|
