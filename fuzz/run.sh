#!/usr/bin/env bash
# Builds the libFuzzer target (clang, ASan and UBSan) and runs it for
# FUZZ_SECONDS (60) from its seed corpus; a crash, a hang or a leak fails, and
# the input is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null
mkdir -p build/fuzz/artifacts
corpus=$(mktemp -d) && cp fuzz/corpus/dispatch/* "$corpus"/
build/fuzz/fuzz/fuzz_dispatch -max_total_time="${FUZZ_SECONDS:-60}" -timeout=30 \
  -artifact_prefix="$PWD/build/fuzz/artifacts/" "$corpus" 2>&1 | tail -n 3
rm -rf "$corpus"
