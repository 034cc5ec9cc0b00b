#!/bin/sh
# Builds the libFuzzer target in its own clang build folder and runs it for a
# bounded time. Usage: fuzz/run.sh [seconds] [extra libFuzzer options...]
# (default 60 s; FUZZ_BUILD_DIR overrides the build folder, default build-fuzz).
# New inputs go to the build folder's corpus; fuzz/corpus holds the committed
# seeds. Any failing input is written to fuzz/regressions/, which the test
# suite replays: commit it together with the fix.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
if [ $# -gt 0 ]; then shift; fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYVANE_FUZZ=ON -DBUILD_TESTING=OFF -DTALLYVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_numbertext

mkdir -p "$build/fuzz-corpus" "$here/regressions"
exec "$build/fuzz_numbertext" \
  -max_total_time="$seconds" \
  -max_len=4096 \
  -timeout=10 \
  -print_final_stats=1 \
  -artifact_prefix="$here/regressions/" \
  "$@" \
  "$build/fuzz-corpus" "$here/corpus"
