#!/bin/sh
# Builds the libFuzzer targets in their own clang build folder and runs each for
# a bounded time, side by side (libFuzzer runs on one core): the number text for
# [seconds] (default 60) on one core, and on the other the rate-file readers for
# FUZZ_RATEIMPORT_SECONDS (default 30) followed by the feed's readers (keys,
# signatures, feed.conf) for FUZZ_FEED_SECONDS (default 20). Each one's output
# follows once all are done.
# Usage: fuzz/run.sh [seconds] [extra libFuzzer options...]
# (FUZZ_BUILD_DIR overrides the build folder, default build-fuzz).
# New inputs go to the build folder's corpora; fuzz/corpus, fuzz/corpus-rateimport
# and fuzz/corpus-feed hold the committed seeds. A failing input is written to
# fuzz/regressions/, fuzz/regressions-rateimport/ or fuzz/regressions-feed/,
# which the test suite replays: commit it together with the fix.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
rateimport_seconds=${FUZZ_RATEIMPORT_SECONDS:-30}
feed_seconds=${FUZZ_FEED_SECONDS:-20}
if [ $# -gt 0 ]; then shift; fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYVANE_FUZZ=ON -DBUILD_TESTING=OFF -DTALLYVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_numbertext fuzz_rateimport fuzz_feed

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

fuzz fuzz_numbertext "$seconds" corpus regressions -max_len=4096 "$@" >"$build/fuzz_numbertext.log" 2>&1 &
numbertext=$!
# Rate files are longer than numbers; the seeds are small real-shaped files.
# The feed's texts are a few lines: a key, a signature, a settings file.
(
  status=0
  fuzz fuzz_rateimport "$rateimport_seconds" corpus-rateimport regressions-rateimport \
    -max_len=16384 -rss_limit_mb=2048 "$@" >"$build/fuzz_rateimport.log" 2>&1 || status=1
  fuzz fuzz_feed "$feed_seconds" corpus-feed regressions-feed \
    -max_len=4096 "$@" >"$build/fuzz_feed.log" 2>&1 || status=1
  exit "$status"
) &
second=$!

status=0
wait "$numbertext" || status=1
wait "$second" || status=1
for name in fuzz_numbertext fuzz_rateimport fuzz_feed; do
  echo "-- $name"
  cat "$build/$name.log"
done
exit "$status"
