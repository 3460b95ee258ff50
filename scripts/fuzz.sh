#!/usr/bin/env bash
# Builds the Intel HEX fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it over the seed corpus for FUZZ_SECONDS (60).
# Exits non-zero on any crash, leak, hang or sanitizer report; the input that caused it is
# kept in the build folder (crash-*, leak-*, timeout-*).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "${JOBS:-2}"

# New inputs go to a scratch folder; the seeds in the tree are only read.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$build/ihex_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$build/" \
    "$scratch" fuzz/corpus/ihex
