#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Each stage's wall time, printed as it ends (so a failed run shows where the
# time went) and together at the end.
timings=()
stage_start=$SECONDS
stage() {
  if [ -n "${stage_name:-}" ]; then
    timings+=("$stage_name: $((SECONDS - stage_start)) s")
    echo "== ${timings[-1]}"
  fi
  stage_name=$1
  stage_start=$SECONDS
  echo "== $1"
}

# The power-loss test's count of the cuts it made, per write and in all (a
# missing count stops the script: the test did not run).
power_cuts() {
  grep -h '^\[ power ' "$1/Testing/Temporary/LastTest.log" |
    awk '{ print; n += $5 } END { print "[ power    ] " n " cuts in all" }'
}

# Includes run only downwards between the product folders, without cycles, and
# the old module namespaces are gone; no function runs past 60 lines.
stage "layers"
scripts/check-layers.sh
scripts/check-shape.sh

# Every translation up to date with the sources and complete.
stage "translations"
scripts/check-translations.sh

# The program, its tools and the benchmarks as the package builds them, with
# the hardening flags; the test programs are built once, below.
stage "build (program, tools, benchmarks)"
scripts/build.sh build-package -DTALLYVANE_TESTS_IN_ALL=OFF
cmake --build build-package --target rate_writer link_swapper deal_writer

# The whole suite, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Leak checking stays on: on the offscreen platform Qt, fontconfig and SQLCipher
# leave nothing for it to report, so any leak it finds is ours.
stage "build and test (address and undefined-behaviour sanitizers)"
scripts/build.sh build-asan -DTALLYVANE_SANITIZE=ON -DTALLYVANE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 300
power_cuts build-asan

# The fuzzers for a bounded time each, side by side: the number text for
# 60 s and the rate-file readers for FUZZ_RATEIMPORT_SECONDS (30 s by default).
# A failing input lands in fuzz/regressions/ or fuzz/regressions-rateimport/,
# which arithmetic_tests and import_tests replay from then on.
stage "fuzz (number text 60 s, rate files ${FUZZ_RATEIMPORT_SECONDS:-30} s)"
fuzz/run.sh 60

# The Debian package: built and checked in build-package/, then installed and used on
# this machine by a throw-away user (skipped unless root), then removed again.
stage "package"
ctest --test-dir build-package --output-on-failure -R '^(install_layout|desktop_file_valid)$'
packaging/check-package.sh build-package
packaging/system-test.sh build-package/tallyvane_*.deb build-package/tests/rate_writer

stage "done"
printf '%s\n' "${timings[@]}"

# Every stage above stops the script on a failure, so reaching here means all passed.
total=$(( $(ctest --test-dir build-asan -N | sed -n 's/^Total Tests: //p') + 2 ))
echo "all stages: $total tests passed, 0 failed"
