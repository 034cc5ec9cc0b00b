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
