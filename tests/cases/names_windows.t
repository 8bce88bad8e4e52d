Windows names that differ but lead to one file (letter case, a trailing dot)
are one destination; in place through a link keeps the link, and a name on a
drive's own folder (Z:img) makes its new file beside the image.

  $ rand 1000 1 > img; cp img keep; bintool 2 img v w
  $ bintool 2 img U1 u1; bintool O img E1 e1; bintool 2 img u1. u1; bintool S img img IMG.; echo * .bintool*
  error: two destinations are the same file
  error: two destinations are the same file
  error: two destinations are the same file
  error: source and destination are the same file
  img keep v w .bintool*
  $ ln -s img link && bintool 2 link link y && [ -L link ] && cmp img v && cmp y w && bintool 1 Z:img Z:y Z:img && cmp img keep && echo * .bintool*
  img keep link v w y .bintool*
