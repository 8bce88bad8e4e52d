# What every transcript session starts with (the harness sources it).
# shellcheck shell=bash
bintool() { $BINTOOL_RUNNER "$BINTOOL_BIN" "$@"; }
# Until the kernel says that process $1 waits at a named pipe (3 seconds
# where it names that otherwise).
waits() { for i in $(seq 300); do grep -q -e wait_for_partner -e fifo_open /proc/$1/wchan 2>/dev/null && return; sleep 0.01; done; }
export -f bintool waits && export SHELL=/bin/bash
# N seeded random bytes (N hex), N copies of byte HH, bytes [AT, AT+N).
rand() { perl -e 'srand $ARGV[1]; print map { chr int rand 256 } 1 .. hex $ARGV[0]' "$@"; }
fill() { perl -e 'print chr(hex $ARGV[1]) x hex $ARGV[0]' "$@"; }
slice() { tail -c +$((0x$2 + 1)) "$1" | head -c $((0x$3)); }
# The HEBER image of EPROMs $2 and $3, by the address formula (cases/heber.pl).
heber() { perl "$BINTOOL_SOURCE/tests/cases/heber.pl" "$@"; }
# What T prints for the pattern tokens $2... in file $1, by a regular expression.
tfind() { perl -e 'local $/; open F, shift; $_ = <F>; my $re = join "", map { $_ eq "?" ? "." : sprintf "\\x%02x", hex } @ARGV;
  while (/(?=$re)/gs) { printf "%04d-%06X     ", ++$n, pos; print "Pritisni bilo sta za nastavak, ESC - prekid ...\n" unless $n % 120 } print "\n"' "$@"; }
# One case of a table on one line: the command, its status, what it printed
# on standard output and on standard error ("|" for each line end).
row() {
  bintool "$@" > .out 2> .err; local status=$?
  printf '%s [%s]' "$*" $status; [ -s .out ] && printf ' %s' "$(tr '\n' '|' < .out)"
  [ -s .err ] && printf ' ~ %s' "$(tr '\n' '|' < .err)"; echo; rm .out .err
}
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
