# What every transcript session starts with (the harness sources it).
# shellcheck shell=bash
bintool() { $BINTOOL_RUNNER "$BINTOOL_BIN" "$@"; }
export -f bintool && export SHELL=/bin/bash
# N seeded random bytes (N hex), N copies of byte HH, bytes [AT, AT+N).
rand() { perl -e 'srand $ARGV[1]; print map { chr int rand 256 } 1 .. hex $ARGV[0]' "$@"; }
fill() { perl -e 'print chr(hex $ARGV[1]) x hex $ARGV[0]' "$@"; }
slice() { tail -c +$((0x$2 + 1)) "$1" | head -c $((0x$3)); }
# The HEBER images of EPROMs $1 and $2 (n bytes each), by the address formula.
heber() { perl -e 'local $/; open A, $ARGV[1]; open B, $ARGV[2]; my @e = (scalar <A>, scalar <B>); my ($n, @m) = length $e[0];
  for my $i (0 .. $n - 1) { for my $l (0, 1) { my $p = $ARGV[0] ? $n * (1 - $l) + ($i ^ 1) : $i % 2 ? $n + $i - 1 + $l : $i + $l;
    $p += $ARGV[0] ? 0 : $p >= $n / 2 && $p < $n ? $n / 2 : $p >= $n && $p < 1.5 * $n ? -$n / 2 : 0; $m[$p] = substr $e[$l], $i, 1 } } print @m' "$@"; }
# What T prints for the pattern tokens $2... in file $1, by a regular expression.
tfind() { perl -e 'local $/; open F, shift; $_ = <F>; my $re = join "", map { $_ eq "?" ? "." : sprintf "\\x%02x", hex } @ARGV;
  while (/(?=$re)/gs) { printf "%04d-%06X     ", ++$n, pos; print "Pritisni bilo sta za nastavak, ESC - prekid ...\n" unless $n % 120 } print "\n"' "$@"; }
# Moves files onto a medium at m/ whose reads fail from byte 0x1000 on.
medium() {
  mkdir -p .medium m && mv "$@" .medium/
  /usr/bin/python3 "$FAILING_FS" .medium m 4096 >/dev/null 2>&1 &
  for _ in $(seq 1000); do [ -e "m/$1" ] && break; sleep 0.01; done
}
# Ends the session as skipped, for what this machine cannot do.
skip() { printf '\n@@ bintool transcript skipped @@ %s\n' "$*"; exit 0; }
# When no command has ended for $BINTOOL_TIMEOUT seconds, the watchdog ends
# the session's own process group: all it started, and nothing else.
beat=$PWD/.beat && touch "$beat"
while sleep 1; do
  [ $(($(date +%s) - $(stat -c %Y "$beat"))) -lt "${BINTOOL_TIMEOUT:-20}" ] && continue
  printf '\n@@ bintool transcript hung @@\n'
  kill -KILL -$$
done </dev/null 2>/dev/null &
disown
# After the last command: no medium, and every background job ended.
finish() { if [ -d m ]; then fusermount -u m && rmdir m; fi; wait; printf '\n@@ bintool transcript done @@\n'; }
# What a session makes outside its folder is named for it (/dev/shm/bintool-PID-*).
trap 'if [ -d m ]; then fusermount -u m; fi; rm -rf /dev/shm/bintool-$$-*; kill -KILL -$$' EXIT
