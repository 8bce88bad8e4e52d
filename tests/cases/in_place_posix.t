A conversion in place writes a new file beside the image, and renames it over
the image only once every destination is complete: whatever fails, the image is
as it was and nothing is left beside it.

  $ rand 4000 6 > img; cp img keep; rand 2000 7 > e; cp e e1; bintool 2 img v w; bintool 3 e e j3; bintool 1 e e j1

A file size limit in the middle of each of the four, and a full disk.

  $ (ulimit -f 4; for c in "2 img img w2" "2 img v2 img" "4 img img w2" "4 img v2 img" "1 e1 e e1" "1 e e1 e1" "3 e1 e e1" "3 e e1 e1"; do row $c; done)
  2 img img w2 [1] Can't write to file| ~ bintool: img: File too large|
  2 img v2 img [1] Can't write to file| ~ bintool: v2: File too large|
  4 img img w2 [1] Can't write to file| ~ bintool: img: File too large|
  4 img v2 img [1] Can't write to file| ~ bintool: v2: File too large|
  1 e1 e e1 [1] Can't write to file| ~ bintool: e1: File too large|
  1 e e1 e1 [1] Can't write to file| ~ bintool: e1: File too large|
  3 e1 e e1 [1] Can't write to file| ~ bintool: e1: File too large|
  3 e e1 e1 [1] Can't write to file| ~ bintool: e1: File too large|
  $ cmp img keep && cmp e1 e && echo .bintool*
  .bintool*
  $ mkdir full; unshare -rm bash -c 'mount -t tmpfs -o size=24k tmpfs full && cd full && cp ../img . && bintool 2 img img u2; cmp ../img img && echo * .bintool*'
  Can't write to file
  bintool: img: No space left on device
  img u2 .bintool*

A stick unmounted lazily while a conversion in place runs (here while the
second EPROM waits for its reader): the run goes on on the stick it began on,
and leaves nothing beside the image.

  $ mkdir stick dir; cp keep dir/img; mkfifo slow; unshare -rm bash -c 'mount --bind dir stick && { exec $BINTOOL_RUNNER "$BINTOOL_BIN" 2 stick/img stick/img slow & }
  >   waits $!; umount -l stick; cat slow > /dev/null; wait $!; echo "[$?]"'; cmp dir/img v && ls -A dir
  [0]
  img

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
  $ for c in "2 @ @ x" "4 @ x @" "3 @ @ @" "1 keep @ @"; do row ${c//@/$dev} | sed "s|$dev|DEVICE|g"; done; losetup -d $dev; ls x 2>&1 | wc -l
  2 DEVICE DEVICE x [1] error: source and destination are the same file| ~ bintool: DEVICE and DEVICE are one file|
  4 DEVICE x DEVICE [1] error: source and destination are the same file| ~ bintool: DEVICE and DEVICE are one file|
  3 DEVICE DEVICE DEVICE [1] error: source and destination are the same file| ~ bintool: DEVICE and DEVICE are one file|
  1 keep DEVICE DEVICE [1] error: source and destination are the same file| ~ bintool: DEVICE and DEVICE are one file|
  1
