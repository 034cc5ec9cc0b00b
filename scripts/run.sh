#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tallyvane on build/Exchange.db.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build
exec build/tallyvane
