Each failable call of a file and of a conversion in place fails once while an
image is converted in place: the failure is said, and the image is whole, old
or new, with nothing beside it (a write that fails: in_place_posix.t). A look at what a name opened that cannot tell
refuses, whichever file is the same as which. (The leak check of a sanitizer
build cannot run under strace.)

  $ command -v strace > /dev/null && [ -z "$BINTOOL_RUNNER" ] && [ "$(od -An -tx1 -j18 -N1 "$BINTOOL_BIN")" = " 3e" ] || skip the system calls named here are x86-64 ones, made by the tool itself, with strace
  $ export ASAN_OPTIONS=detect_leaks=0; rand 1000 1 > keep; rand 1000 2 > e; bintool 2 keep u1 u2
  $ fault() { cp keep img; printf x > d2; strace -qq -o /dev/null "$@" "$BINTOOL_BIN" 2 img img d2 2>/dev/null; { cmp -s img keep && echo old; } || { cmp -s img u1 && cmp -s d2 u2 && echo new; }; ls .bintool-* 2>/dev/null; true; }
  $ for call in openat:error=EACCES newfstatat:error=EIO fcntl:error=EIO; do for n in 1 2; do fault -P img -e inject=$call:when=$n; done; done
  Can't open file
  old
  Can't create file
  old
  Can't open file
  old
  Can't create file
  old
  Can't open file
  old
  Can't create file
  old
  $ for call in newfstatat:error=EIO:when=3 pread64:error=EIO readlink:error=EIO; do fault -P img -e inject=$call; done
  Can't create file
  old
  Can't read file
  old
  Can't create file
  old
  $ for call in ftruncate:error=EIO fdatasync:error=EIO rename:error=EXDEV fchown:error=EPERM fchmod:error=EPERM; do fault -e inject=$call:when=1; done
  Can't create file
  old
  Can't write to file
  old
  Can't write to file
  old
  new
  new
  $ printf x > l1; printf y > l2; strace -qq -o /dev/null -e inject=ftruncate:error=EIO:when=1 "$BINTOOL_BIN" O keep l1 l2; cat l1 l2
  Can't open file
  xy (no-eol)
  $ for c in "4 img d1 img" "1 img e img" "3 e img img" "L img e img" "I img img 0" "U img img 40" "O img img x" "R img x img"; do
  >   cp keep img; strace -qq -o /dev/null -P img -e inject=newfstatat:error=EIO:when=2 "$BINTOOL_BIN" $c 2>/dev/null; cmp img keep; done
  Can't create file
  Can't create file
  Can't create file
  Can't create file
  Can't create file
  Can't open file
  Can't open file
  File could not be opened

A name taken already (by chance) for the new file: another is drawn.

  $ cp keep img; strace -qq -o log -e trace=openat "$BINTOOL_BIN" 2 img img d2; fault -e trace=openat -e inject=openat:error=EEXIST:when=$(grep -n bintool- log | cut -d: -f1)
  new

A failed seek is a failure: nothing is made from the wrong bytes.

  $ for c in "I keep x 10" "P keep 10 2" "U e keep 10"; do strace -qq -o /dev/null -e inject=lseek:error=EIO:when=1 "$BINTOOL_BIN" $c; done; ls x 2>&1 | wc -l
  Can't read file
  Can't read file
  Can't write to file
  1

A terminal that has gone fails the first write of a listing: that is said on
standard error, and nothing more is written, no prompt either.

  $ fill 70 61 > a; fill 70 62 > b; python3 -c 'import os, pty, subprocess as p, sys; m, s = pty.openpty(); os.close(m); p.run(["strace", "-qq", "-e", "trace=write", "-o", "log"] + sys.argv[1:], stdout=s, stdin=p.DEVNULL)' "$BINTOOL_BIN" C a b; grep -c 'write(1,' log
  Can't write to file
  1
