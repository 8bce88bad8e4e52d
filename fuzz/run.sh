#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (60) from its
# seed corpus. Fails when any target finds a crash, a leak or a wrong result;
# what it found is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
artifacts=$PWD/build/fuzz/artifacts
mkdir -p "$artifacts"
for target in numbers pattern layouts dispatch; do
  # Work on a copy, so the committed seeds stay as they are.
  corpus=$(mktemp -d)
  cp fuzz/corpus/"$target"/* "$corpus"/
  echo "== fuzz_$target for ${seconds}s"
  if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" \
    -artifact_prefix="$artifacts/$target-" -print_final_stats=1 -timeout=30 \
    "$corpus" >"$artifacts/$target.log" 2>&1; then
    tail -n 40 "$artifacts/$target.log"
    echo "fuzz_$target found a fault; input kept in $artifacts" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$artifacts/$target.log"
  rm -rf "$corpus"
done
echo "fuzzing: nothing found"
