#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test"
scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 300

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Leak checking stays on: on the offscreen platform Qt, fontconfig and SQLCipher
# leave nothing for it to report, so any leak it finds is ours.
echo "== sanitizers (address, undefined)"
scripts/build.sh build-asan -DTALLYVANE_SANITIZE=ON -DTALLYVANE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 300

# The number-text fuzzer for a bounded time; a failing input lands in
# fuzz/regressions/, which arithmetic_tests replays from then on.
echo "== fuzz (60 s)"
fuzz/run.sh 60

# The Debian package: built and checked in build/, then installed and used on
# this machine by a throw-away user (skipped unless root), then removed again.
echo "== package"
packaging/check-package.sh build
packaging/system-test.sh build/tallyvane_*.deb build/tests/rate_writer

# Every stage above stops the script on a failure, so reaching here means all passed.
total=$(( $(ctest --test-dir build -N | sed -n 's/^Total Tests: //p') + $(ctest --test-dir build-asan -N | sed -n 's/^Total Tests: //p') ))
echo "all stages: $total passed, 0 failed"
