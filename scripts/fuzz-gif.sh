#!/usr/bin/env bash
# Fuzzes the GIF block walker and frame extraction with libFuzzer (clang), starting from the
# banner test fixtures. Usage: scripts/fuzz-gif.sh [SECONDS] (default 60). Exits non-zero
# when the fuzzer finds a crash, a sanitizer error or a broken invariant.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_GIF_DIR:-$root/build-fuzz-gif}
cxx=${CLANGXX:-clang++}
if ! command -v "$cxx" >/dev/null; then
  echo "fuzz-gif: $cxx not found (libFuzzer needs clang; Debian package clang)" >&2
  exit 1
fi

mkdir -p "$out/corpus" "$out/seeds"
"$cxx" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/fuzz/gif/gif_fuzzer.cpp" "$root/banner/gifwalk.cpp" -o "$out/gif_fuzzer"
"$cxx" -std=c++20 -O1 -I"$root" "$root/fuzz/gif/make_seeds.cpp" -o "$out/make_seeds"
"$out/make_seeds" "$out/seeds"

cd "$out"
./gif_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 corpus seeds
