#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each over its seeds for FUZZ_SECONDS (60): the Intel HEX reader and the GIF block
# walker. Exits non-zero on any crash, leak, hang, sanitizer report or broken invariant; the
# input that caused it is kept in the build folder (crash-*, leak-*, timeout-*).
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
mkdir -p "$scratch/ihex" "$scratch/gif" "$scratch/gif-seeds"
"$build/gif_seeds" "$scratch/gif-seeds"

run() {
  local target=$1 max_len=$2
  shift 2
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/" "$@"
}

run ihex_fuzz 8192 "$scratch/ihex" fuzz/corpus/ihex
run gif_fuzz 4096 "$scratch/gif" "$scratch/gif-seeds"
