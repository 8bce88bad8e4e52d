Each failable call of a conversion in place (2 img img d2) fails once: the
failure is said, and the image is whole, old or new, with nothing beside it
(a write that fails: in_place_posix.t). A line a case: the calls made to fail,
the status, standard output, standard error (~), then the image and what is
left beside it. (The leak check of a sanitizer build cannot run under strace.)

  $ command -v strace > /dev/null && [ -z "$BINTOOL_RUNNER" ] && [ "$(od -An -tx1 -j18 -N1 "$BINTOOL_BIN")" = " 3e" ] || skip the system calls named here are x86-64 ones, made by the tool itself, with strace
  $ export ASAN_OPTIONS=detect_leaks=0; rand 1000 1 > keep; rand 1000 2 > e; bintool 2 keep u1 u2
  $ fault() { local only=(); [ "$1" = -P ] && only=(-P "$2") && shift 2; cp keep img; printf x > d2
  >   strace -qq -o /dev/null "${only[@]}" "${@/#/-einject=}" "$BINTOOL_BIN" 2 img img d2 > out 2> err; printf '%s [%s]' "$*" $?
  >   [ -s out ] && printf ' %s' "$(tr '\n' '|' < out)"; [ -s err ] && printf ' ~ %s' "$(sed -e '/^strace: /d' -e "s|$PWD/||" -e 's/bintool-....../bintool-XXXXXX/' err | tr '\n' '|')"
  >   { cmp -s img keep && echo ' old'; } || { cmp -s img u1 && cmp -s d2 u2 && echo ' new'; } || echo ' neither'
  >   ls -a | grep -c '^[.]bintool-' | grep -v '^0$'; rm -f .bintool-*; }
  $ for n in 1 2; do for call in openat:error=EACCES newfstatat:error=EIO fcntl:error=EIO; do fault -P img $call:when=$n; done; done
  openat:error=EACCES:when=1 [1] Can't open file| ~ bintool: img: Permission denied| old
  newfstatat:error=EIO:when=1 [1] Can't open file| ~ bintool: img: Input/output error| old
  fcntl:error=EIO:when=1 [1] Can't open file| ~ bintool: img: Input/output error| old
  openat:error=EACCES:when=2 [1] Can't create file| ~ bintool: img: Permission denied| old
  newfstatat:error=EIO:when=2 [1] Can't create file| ~ bintool: img: Input/output error| old
  fcntl:error=EIO:when=2 [1] Can't create file| ~ bintool: img: Input/output error| old
  $ for call in newfstatat:error=EIO:when=3 pread64:error=EIO readlink:error=EIO; do fault -P img $call; done
  newfstatat:error=EIO:when=3 [1] Can't create file| ~ bintool: img: Input/output error| old
  pread64:error=EIO [1] Can't read file| ~ bintool: img: Input/output error| old
  readlink:error=EIO [1] Can't create file| ~ bintool: img: Input/output error| old
  $ for call in ftruncate:error=EIO fdatasync:error=EIO fdatasync:error=EIO:when=2 renameat:error=EXDEV fsync:error=EIO fsync:error=EINVAL fchown:error=EPERM fchmod:error=EPERM; do fault $call; done
  ftruncate:error=EIO [1] Can't create file| ~ bintool: d2: Input/output error| old
  fdatasync:error=EIO [1] Can't write to file| ~ bintool: d2: Input/output error| old
  fdatasync:error=EIO:when=2 [1] Can't write to file| ~ bintool: img: Input/output error| old
  renameat:error=EXDEV [1] Can't write to file| ~ bintool: img: Invalid cross-device link| old
  fsync:error=EIO [1] Can't write to file| ~ bintool: img: Input/output error| new
  fsync:error=EINVAL [0] new
  fchown:error=EPERM [0] new
  fchmod:error=EPERM [0] new
  $ fault -P . openat:error=EMFILE
  openat:error=EMFILE [1] Can't create file| ~ bintool: img: Too many open files| old
  $ fault renameat:error=EXDEV unlinkat:error=EIO
  renameat:error=EXDEV unlinkat:error=EIO [1] Can't write to file| ~ bintool: img: Invalid cross-device link|bintool: .bintool-XXXXXX: not removed: Input/output error| old
  1

A destination made by the run has its name on the medium too before the
image is replaced, and the image's new name after it.

  $ cp keep img; strace -qq -y -o log -e trace=fdatasync,fsync,renameat "$BINTOOL_BIN" 2 img img n2
  $ sed -E -e 's/[0-9]+<([^>]*)>/\1/g' -e "s|$PWD/||g; s|$PWD|.|g" -e 's/bintool-....../bintool-XXXXXX/; s/ *= 0$//' log
  fdatasync(n2)
  fsync(.)
  fdatasync(.bintool-XXXXXX)
  renameat(., ".bintool-XXXXXX", ., "img")
  fsync(.)
  $ cp keep img; rm n2; strace -qq -o /dev/null -e inject=fsync:error=EIO:when=1 "$BINTOOL_BIN" 2 img img n2; cmp img keep && ls n2
  Can't write to file
  bintool: n2: Input/output error
  n2

A look at what a name opened that cannot tell refuses, whichever file is the
same as which.

  $ for c in "4 img d1 img" "1 img e img" "3 e img img" "L img e img" "I img img 0" "U img img 40" "O img img x" "R img x img"; do cp keep img
  >   echo "$c: $(strace -qq -o /dev/null -P img -e inject=newfstatat:error=EIO:when=2 "$BINTOOL_BIN" $c 2>&1 | sed '/^strace: /d' | tr '\n' '|')"; cmp img keep; done
  4 img d1 img: Can't create file|bintool: img: Input/output error|
  1 img e img: Can't create file|bintool: img: Input/output error|
  3 e img img: Can't create file|bintool: img: Input/output error|
  L img e img: Can't create file|bintool: img: Input/output error|
  I img img 0: Can't create file|bintool: img: Input/output error|
  U img img 40: Can't open file|bintool: img: Input/output error|
  O img img x: Can't open file|bintool: img: Input/output error|
  R img x img: File could not be opened|bintool: img: Input/output error|
  $ printf x > l1; printf y > l2; strace -qq -o /dev/null -e inject=ftruncate:error=EIO:when=1 "$BINTOOL_BIN" O keep l1 l2; cat l1 l2
  Can't open file
  bintool: l1: Input/output error
  xy (no-eol)

A name taken already (by chance) for the new file: another is drawn.

  $ cp keep img; strace -qq -o log -e trace=openat "$BINTOOL_BIN" 2 img img d2; fault openat:error=EEXIST:when=$(grep -n "[.]bintool-" log | cut -d: -f1) | sed "s/when=[0-9]*/when=N/"
  openat:error=EEXIST:when=N [0] new

A failed seek is a failure: nothing is made from the wrong bytes.

  $ for c in "I keep x 10" "P keep 10 2" "U e keep 10"; do echo "$c: $(strace -qq -o /dev/null -e inject=lseek:error=EIO:when=1 "$BINTOOL_BIN" $c 2>&1 | tr '\n' '|')"; done; ls x 2>&1 | wc -l
  I keep x 10: Can't read file|bintool: keep: Input/output error|
  P keep 10 2: Can't read file|bintool: keep: Input/output error|
  U e keep 10: Can't write to file|bintool: keep: Input/output error|
  1

A terminal that has gone fails the first write of a listing: that is said on
standard error, and nothing more is written, no prompt either.

  $ fill 70 61 > a; fill 70 62 > b; python3 -c 'import os, pty, subprocess as p, sys; m, s = pty.openpty(); os.close(m); p.run(["strace", "-qq", "-e", "trace=write", "-o", "log"] + sys.argv[1:], stdout=s, stdin=p.DEVNULL)' "$BINTOOL_BIN" C a b; grep -c 'write(1,' log
  Can't write to file
  bintool: standard output: Input/output error
  1
