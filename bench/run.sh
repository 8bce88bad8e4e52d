#!/usr/bin/env bash
# Times every bintool job against a reference command, in one run: both run
# alternately, RUNS times each after one warm-up round, and the table shows
# the medians, the throughput, the median of the ratios bintool/reference of
# each pair of runs, and the peak memory of each. Every job's output is
# checked before it is timed, and a run that fails fails the benchmark.
#
# The references: for S, O and 1 to 4 the floor of their work on this
# machine, a minimal loop compiled as the tool is (bench_data floor: read a
# 512 KiB block into page-aligned memory, split it into its two lanes, write
# both), with a row of its own against `cat`, and a plain `dd bs=512K` copy
# against `cat`; `cat` and `split` for L and R, `dd` for I and U, `cmp -l`
# for C, `xxd` for H and P and `grep` for T, each doing the same work;
# `cksum` for K (another checksum over the same bytes). A conversion in
# place against the same conversion into new files, followed by `sync` and
# `rm` of the image: what it costs to have the image replaced on disk.
# The script exits 1 when a job misses its target.
#
#   bash bench/run.sh            (RUNS=5, data in bench/data, about 2.5 GB)
#   ONLY='in place' bash bench/run.sh    (the jobs whose names hold that)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
ROOT=$PWD
RUNS=${RUNS:-5}
DATA=${BENCH_DATA:-$PWD/bench/data}

for tool in /usr/bin/time xxd cmp split dd cksum grep python3; do
  command -v "$tool" >/dev/null || {
    echo "bench: $tool is missing (apt-get install time xxd)" >&2
    exit 1
  }
done
cmake --workflow --preset release >/dev/null
cmake --build --preset release --target bench_data >/dev/null
BT=$PWD/build/release/bintool
GEN=$PWD/build/release/bench_data
LAYOUTS="python3 $PWD/bench/layouts.py"
mkdir -p "$DATA"
cd "$DATA"

MIB=$((1 << 20))
LITERAL=BINTOOL-MARK

# Seeded data: the same bytes on every machine.
make_data() {
  local name=$1 mib=$2 seed=$3
  if [[ ! -f $name || $(stat -c %s "$name") -ne $((mib * MIB)) ]]; then
    "$GEN" random "$name" "$mib" "$seed"
  fi
}
echo "preparing data in $DATA"
make_data A 256 1
if [[ ! -f B || $(stat -c %s B) -ne $((256 * MIB)) ]]; then
  cp A B && "$GEN" mark B 4096 90          # every 4096th byte changed
fi
make_data H1 128 2
make_data H2 128 3
if [[ ! -f T ]]; then
  "$GEN" random T 256 4 && "$GEN" plant T 65536 "$LITERAL"
fi
# The sources of S, 2 and 4, and the outputs O, 1 and 3 must give, made from
# the layouts as the README draws them.
$LAYOUTS lanes A even odd
$LAYOUTS program H1 H2 M1
$LAYOUTS video H1 H2 M3

fail() {
  echo "bench: failed: $*" >&2
  exit 1
}

# Correctness checks, one per job, run on what the warm-up round left.
check_L() { cmp -s L.bt L.peer || fail "L"; }
check_R() {
  local i=1
  for suffix in aa ab ac ad; do
    cmp -s "R.bt$i" "R.peer$suffix" || fail "R piece $i"
    i=$((i + 1))
  done
}
check_I() { cmp -s I.bt I.peer || fail "I"; }
check_U() { cmp -s U.bt U.peer || fail "U"; }
check_O() { cmp -s O.even even && cmp -s O.odd odd || fail "O"; }
check_S() { cmp -s S.bt A || fail "S"; }
check_K() {
  local want
  want="Length=10000000H (268435456 DEC)
Checksum=$("$GEN" sum A)"
  [[ $("$BT" K A) == "$want" ]] || fail "K"
}
check_C() {
  local first oct_a oct_b offset
  [[ $("$BT" C A B </dev/null | grep -c ' <> ') -eq 65536 ]] || fail "C count"
  read -r offset oct_a oct_b < <(cmp -l A B | head -n 1)
  first=$(printf '%06X - %02X <> %02X' $((offset - 1)) "0$oct_a" "0$oct_b")
  [[ $("$BT" C A B </dev/null | head -n 1) == "$first" ]] || fail "C line"
}
check_H() {
  "$BT" H A | tr -d '>,\r\n' | xxd -r -p | cmp -s - A || fail "H"
}
hits_of_T() {  # the offsets T lists, as upper-case hex, one a line
  "$BT" T "$@" </dev/null | grep -oE '[0-9]{4,}-[0-9A-F]{6,}' | cut -d- -f2
}
hex_offsets() {  # grep -ob's decimal offsets, the same way
  cut -d: -f1 | sort -n -u | awk '{ printf "%06X\n", $1 }'
}
check_T_literal() {
  diff -q <(hits_of_T T "'$LITERAL'") <(grep -obUaF "$LITERAL" T | hex_offsets) >/dev/null ||
    fail "T literal"
}
check_T_wildcard() {
  # Not against grep: its "." never matches the line end, so it misses the
  # hits whose middle byte is 0A.
  diff -q <(hits_of_T A 4D '?' 3F) <("$GEN" find A 4D '?' 3F) >/dev/null ||
    fail "T wildcard"
}
check_P() {
  diff -q <("$BT" P A 100000 256 | cut -c9-55 | tr -s ' ' '\n' | grep .) \
    <(xxd -u -p -s 0x100000 -l 4096 A | fold -w2) >/dev/null || fail "P"
}
check_1() { cmp -s 1.bt M1 || fail "1"; }
check_2() { cmp -s 2.a H1 && cmp -s 2.b H2 || fail "2"; }
check_3() { cmp -s 3.bt M3 || fail "3"; }
check_4() { cmp -s 4.a H1 && cmp -s 4.b H2 || fail "4"; }
check_2_in_place() { cmp -s P.bt H1 && cmp -s P.b H2 && cmp -s P.pa H1 || fail "2 in place"; }
check_1_in_place() { cmp -s Q.bt M1 && cmp -s Q.new M1 || fail "1 in place"; }
# What each side of a conversion in place converts: a fresh copy of its own.
copy_P() { cp M1 "P.$1"; }
copy_Q() { cp H1 "Q.$1"; }
check_dd() { cmp -s dd.bt A || fail "dd"; }
check_floor() { cmp -s floor.a even && cmp -s floor.b odd || fail "floor"; }

# job name ~ bytes handled ~ target ratio ~ bintool command ~ peer command ~
# files each side creates (removed, and the disk synced, before every run, so
# that both sides create their outputs anew on a quiet disk) ~ the check of
# its output ~ what each side's run starts from (made before the disk is
# synced; called with bt or peer)
JOBS=(
  "L: join 2 x 128 MiB~$((256 * MIB))~1.02~$BT L H1 H2 L.bt~cat H1 H2 > L.peer~L.bt L.peer~check_L"
  "R: 256 MiB into 4~$((256 * MIB))~1.0~$BT R A R.bt1 R.bt2 R.bt3 R.bt4~split -n 4 A R.peer~R.bt? R.peera?~check_R"
  "I: 128 MiB from 64 MiB~$((128 * MIB))~1.1~$BT I A I.bt 4000000 8000000~dd if=A of=I.peer iflag=skip_bytes,count_bytes bs=1M skip=64M count=128M status=none~I.bt I.peer~check_I"
  "U: 128 MiB at 64 MiB~$((128 * MIB))~1.1~$BT U H1 U.bt 4000000~dd if=H1 of=U.peer conv=notrunc oflag=seek_bytes bs=1M seek=64M status=none~~check_U"
  "O: 256 MiB to lanes~$((256 * MIB))~1.1~$BT O A O.even O.odd~$GEN floor A O.fa O.fb~O.even O.odd O.fa O.fb~check_O"
  "S: lanes to 256 MiB~$((256 * MIB))~1.1~$BT S even odd S.bt~$GEN floor A S.fa S.fb~S.bt S.fa S.fb~check_S"
  "K: 256 MiB~$((256 * MIB))~1.0~$BT K A > /dev/null~cksum A > /dev/null~~check_K"
  "C: 2 x 256 MiB~$((512 * MIB))~1.0~$BT C A B > /dev/null < /dev/null~{ cmp -l A B || test \$? = 1; } | wc -l > /dev/null~~check_C"
  "H: 256 MiB~$((256 * MIB))~0.1~$BT H A > /dev/null~xxd -p A > /dev/null~~check_H"
  "T: literal~$((256 * MIB))~1.0~$BT T T \"'$LITERAL'\" > /dev/null < /dev/null~grep -obUaF $LITERAL T | wc -l > /dev/null~~check_T_literal"
  "T: 4D ? 3F~$((256 * MIB))~1.0~$BT T A 4D '?' 3F > /dev/null < /dev/null~grep -obUaP '\\x4D.\\x3F' A | wc -l > /dev/null~~check_T_wildcard"
  "P: 256 rows~4096~1.0~$BT P A 100000 256 > /dev/null~xxd -s 0x100000 -l 4096 A > /dev/null~~check_P"
  "1: 2 x 128 MiB to 256 MiB~$((256 * MIB))~1.1~$BT 1 H1 H2 1.bt~$GEN floor A 1.fa 1.fb~1.bt 1.fa 1.fb~check_1"
  "2: 256 MiB to 2 x 128 MiB~$((256 * MIB))~1.1~$BT 2 M1 2.a 2.b~$GEN floor A 2.fa 2.fb~2.a 2.b 2.fa 2.fb~check_2"
  "3: 2 x 128 MiB to 256 MiB~$((256 * MIB))~1.1~$BT 3 H1 H2 3.bt~$GEN floor A 3.fa 3.fb~3.bt 3.fa 3.fb~check_3"
  "4: 256 MiB to 2 x 128 MiB~$((256 * MIB))~1.1~$BT 4 M3 4.a 4.b~$GEN floor A 4.fa 4.fb~4.a 4.b 4.fa 4.fb~check_4"
  "2 in place: 256 MiB~$((256 * MIB))~1.3~$BT 2 P.bt P.bt P.b~$BT 2 P.peer P.pa P.pb && sync && rm P.peer~P.b P.pa P.pb~check_2_in_place~copy_P"
  "1 in place: 2 x 128 MiB~$((256 * MIB))~1.3~$BT 1 Q.bt H2 Q.bt~$BT 1 Q.peer H2 Q.new && sync && rm Q.peer~Q.new~check_1_in_place~copy_Q"
  "(the floor: lanes of 256 MiB)~$((256 * MIB))~-~$GEN floor A floor.a floor.b~cat A > floor.peer~floor.a floor.b floor.peer~check_floor"
  "(dd bs=512K: a plain copy)~$((256 * MIB))~-~dd if=A of=dd.bt bs=512K status=none~cat A > dd.peer~dd.bt dd.peer~check_dd"
)

seconds() {  # runs a command line in this shell, prints its wall time
  if [[ -n $2 ]]; then eval "rm -f $2"; fi
  if [[ -n ${3:-} ]]; then eval "$3"; fi
  sync
  local start=$EPOCHREALTIME
  eval "$1" || return 1
  local end=$EPOCHREALTIME
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f\n", b - a }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
peak_mib() {  # peak resident memory of a command line (after $2), in MiB
  if [[ -n ${2:-} ]]; then eval "$2"; fi
  /usr/bin/time -f %M -o .rss bash -c "$1" >/dev/null 2>&1 </dev/null
  awk '{ printf "%.1f", $1 / 1024 }' .rss
}

printf '\n%s, %s cores, %s; bintool %s\n' "$(uname -sr)" "$(nproc)" \
  "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)" \
  "$(git -C "$ROOT" describe --always --dirty 2>/dev/null || echo '?')"
printf '\n| job | peer | bintool s | peer s | bintool MiB/s | peer MiB/s | ratio | target | bintool RSS MiB | peer RSS MiB |\n'
printf '|---|---|---|---|---|---|---|---|---|---|\n'
missed=0
for i in "${!JOBS[@]}"; do
  IFS='~' read -r name bytes target mine peer outputs check setup <<<"${JOBS[$i]}"
  [[ $name == *"${ONLY:-}"* ]] || continue
  # U patches in place: each side gets its own copy of A to patch.
  [[ $name == U:* ]] && cp A U.bt && cp A U.peer
  seconds "$mine" "" "${setup:+$setup bt}" >/dev/null || fail "$name: $mine"
  seconds "$peer" "" "${setup:+$setup peer}" >/dev/null || fail "$name: $peer"
  "$check"
  ours=()
  theirs=()
  ratios=()
  for ((run = 0; run < RUNS; run++)); do
    t=$(seconds "$mine" "$outputs" "${setup:+$setup bt}") || fail "$name: $mine"
    ours+=("$t")
    t=$(seconds "$peer" "$outputs" "${setup:+$setup peer}") || fail "$name: $peer"
    theirs+=("$t")
    ratios+=("$(awk -v a="${ours[-1]}" -v b="${theirs[-1]}" 'BEGIN { print a / b }')")
  done
  a=$(median "${ours[@]}")
  b=$(median "${theirs[@]}")
  # Each run's ratio is taken against the peer's run beside it, so a drift in
  # the machine's speed during the job moves both sides alike.
  ratio=$(printf '%.2f' "$(median "${ratios[@]}")")
  if [[ $target != - ]] && awk -v r="$ratio" -v t="$target" 'BEGIN { exit !(r > t) }'; then
    missed=$((missed + 1))
  fi
  peer_name=${peer#"{ "}
  peer_name=${peer_name%% *}
  [[ $peer == "$GEN floor"* ]] && peer_name="the floor"
  [[ $peer == *"&& sync"* ]] && peer_name="new files, sync, rm"
  [[ $peer == *"| wc -l"* ]] && peer_name="$peer_name \\| wc -l"
  printf '| %s | %s | %.4f | %.4f | %.0f | %.0f | %.2f | %s | %s | %s |\n' \
    "$name" "$peer_name" "$a" "$b" \
    "$(awk -v n="$bytes" -v t="$a" 'BEGIN { print n / 1048576 / t }')" \
    "$(awk -v n="$bytes" -v t="$b" 'BEGIN { print n / 1048576 / t }')" \
    "$ratio" "$([[ $target == - ]] && echo - || echo "<= $target")" \
    "$(peak_mib "$mine" "${setup:+$setup bt}")" "$(peak_mib "$peer" "${setup:+$setup peer}")"
done
echo
echo "$RUNS runs each, medians; $missed job(s) above target"
((missed == 0))
