#!/bin/sh
# Builds the libFuzzer targets in their own clang build folder and runs each for
# a bounded time: the number text for [seconds] (default 60), then the rate-file
# readers for FUZZ_RATEIMPORT_SECONDS (default 30).
# Usage: fuzz/run.sh [seconds] [extra libFuzzer options...]
# (FUZZ_BUILD_DIR overrides the build folder, default build-fuzz).
# New inputs go to the build folder's corpora; fuzz/corpus and
# fuzz/corpus-rateimport hold the committed seeds. A failing input is written to
# fuzz/regressions/ or fuzz/regressions-rateimport/, which the test suite
# replays: commit it together with the fix.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
rateimport_seconds=${FUZZ_RATEIMPORT_SECONDS:-30}
if [ $# -gt 0 ]; then shift; fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYVANE_FUZZ=ON -DBUILD_TESTING=OFF -DTALLYVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_numbertext fuzz_rateimport

# fuzz NAME SECONDS CORPUS REGRESSIONS [libFuzzer options...]: new inputs go to
# the build folder's CORPUS, seeds come from fuzz/CORPUS, a failing input lands
# in fuzz/REGRESSIONS/.
fuzz() {
  name=$1 limit=$2 corpus=$3 regressions=$4
  shift 4
  mkdir -p "$build/fuzz-$corpus" "$here/$regressions"
  "$build/$name" \
    -max_total_time="$limit" \
    -timeout=10 \
    -print_final_stats=1 \
    -artifact_prefix="$here/$regressions/" \
    "$@" \
    "$build/fuzz-$corpus" "$here/$corpus"
}

fuzz fuzz_numbertext "$seconds" corpus regressions -max_len=4096 "$@"
# Rate files are longer than numbers; the seeds are small real-shaped files.
fuzz fuzz_rateimport "$rateimport_seconds" corpus-rateimport regressions-rateimport \
  -max_len=16384 -rss_limit_mb=2048 "$@"
