A conversion in place writes a new file beside the image, and renames it over
the image only once every destination is complete: whatever fails, the image is
as it was and nothing is left beside it.

  $ rand 4000 6 > img; cp img keep; rand 2000 7 > e; cp e e1; bintool 2 img v w; bintool 3 e e j3; bintool 1 e e j1

A file size limit in the middle of each of the four.

  $ for c in 2 4; do (ulimit -f 4; bintool $c img img w2; bintool $c img v2 img); done
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  $ for c in 1 3; do (ulimit -f 4; bintool $c e1 e e1; bintool $c e e1 e1); done
  Can't write to file
  Can't write to file
  Can't write to file
  Can't write to file
  $ cmp img keep && cmp e1 e && echo .bintool*
  .bintool*

A full disk.

  $ mkdir full; unshare -rm bash -c 'mount -t tmpfs -o size=24k tmpfs full && cd full && cp ../img . && bintool 2 img img u2; cmp ../img img && echo * .bintool*'
  Can't write to file
  img u2 .bintool*

Every signal that ends the process, while the second EPROM waits for a named
pipe's reader; one the process was started ignoring stays ignored.

  $ mkfifo p; for s in HUP INT QUIT TERM ALRM USR1 USR2 XCPU VTALRM PROF; do timeout --preserve-status -s $s 0.2 $BINTOOL_RUNNER "$BINTOOL_BIN" 2 img img p 2>/dev/null; printf "$? "; done
  129 130 131 143 142 138 140 152 154 155  (no-eol)
  $ cmp img keep && echo .bintool*
  .bintool*
  $ (trap '' TERM; exec $BINTOOL_RUNNER "$BINTOOL_BIN" 2 img img p) & for i in $(seq 1000); do ls .bintool-?????? >/dev/null 2>&1 && break; sleep 0.01; done; kill -TERM $!; sleep 0.2; kill -KILL $!; wait $! 2>/dev/null; echo $?; rm .bintool-??????; cmp img keep && echo .bintool*
  137
  .bintool*

A symlink stays a link to the new image, which keeps the mode, owner and group;
other hard links keep the old bytes.

  $ ln -s img link; ln img hard; chmod 640 img; chown 65534:65534 img 2>/dev/null; stat -c %a:%u:%g img > was
  $ bintool 2 link link w3 && cmp img v && cmp w3 w && cmp hard keep && [ -L link ] && stat -c %a:%u:%g img | cmp - was && echo kept
  kept
  $ cp e e3; ln -s e3 l3; bintool 3 e l3 l3 && cmp e3 j3 && [ -L l3 ] && bintool 1 l3 l3 e3 && bintool 2 e3 x l3 && cmp l3 x
  $ echo .bintool*
  .bintool*

A name as long as a folder takes converts in place too.

  $ n=$(printf '%0250d' 0); cp keep $n; bintool 2 $n $n w4 && cmp $n v && cmp w4 w && rm $n w4 && echo .bintool*
  .bintool*

A device cannot be replaced: a source that is also a destination is refused.

  $ dev=$(losetup -f --show keep 2>/dev/null) || skip no loop device here: losetup needs root
  $ bintool 2 $dev $dev x; bintool 4 $dev x $dev; bintool 3 $dev $dev $dev; bintool 1 keep $dev $dev; losetup -d $dev; ls x 2>&1 | wc -l
  error: source and destination are the same file
  error: source and destination are the same file
  error: source and destination are the same file
  error: source and destination are the same file
  1
