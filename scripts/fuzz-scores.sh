#!/usr/bin/env bash
# Fuzzes the high score file loader with libFuzzer for a bounded time.
#   scripts/fuzz-scores.sh [seconds=20] [work folder=/tmp/tintrix-fuzz-scores]
# Builds the loader and tests/scores/fuzz_score_file.cpp with clang++ (or $CLANGXX), with the
# address and undefined-behaviour sanitizers, then runs it on the seed corpus in
# tests/scores/corpus (left unchanged; new inputs go to the work folder). Exits 77 when clang++
# or libFuzzer is missing, so that ctest reports the test as skipped.
set -euo pipefail

seconds=${1:-20}
work=${2:-${TMPDIR:-/tmp}/tintrix-fuzz-scores}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cxx=${CLANGXX:-clang++}

if ! command -v "$cxx" >/dev/null 2>&1 || ! pkg-config --exists Qt6Core; then
  echo "fuzz-scores: needs clang++ and Qt6Core for pkg-config; skipped" >&2
  exit 77
fi

sources=("$root/scores/HighScoreCodec.cpp" "$root/scores/HighScoreTable.cpp" "$root/tests/scores/fuzz_score_file.cpp")
headers=("$root/scores/HighScoreCodec.h" "$root/scores/HighScoreTable.h")
fuzzer="$work/fuzz_score_file"
mkdir -p "$work/corpus"

# Rebuild only when a source is newer than the fuzzer.
if [ ! -x "$fuzzer" ] || [ -n "$(find "${sources[@]}" "${headers[@]}" -newer "$fuzzer")" ]; then
  # shellcheck disable=SC2046 # pkg-config's flags are meant to split
  if ! "$cxx" -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
      -I"$root/scores" "${sources[@]}" $(pkg-config --cflags --libs Qt6Core) -o "$fuzzer.new"; then
    # A compiler without libFuzzer (no libclang-rt-dev) is a missing tool, not a failure.
    if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
        | "$cxx" -x c++ -fsanitize=fuzzer - -o "$work/probe" >/dev/null 2>&1; then
      echo "fuzz-scores: $cxx cannot link libFuzzer; skipped" >&2
      exit 77
    fi
    exit 1
  fi
  mv "$fuzzer.new" "$fuzzer"
fi

exec "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
  "$work/corpus" "$root/tests/scores/corpus"
