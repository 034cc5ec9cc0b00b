#!/usr/bin/env bash
# Time and peak memory of importing a rate file as large as the reader takes, in
# each shape, one process per reading. Run after a build:
#
#   bench/import_at_cap.sh [BUILD-FOLDER]      (default build/)
#
# Target: the preview within 2 s, and at most ten times the file's size in
# memory above what the program held before.
set -euo pipefail
export LC_ALL=C QT_QPA_PLATFORM=offscreen

root=$(cd "$(dirname "$0")/.." && pwd)
bench=$(cd "${1:-$root/build}" && pwd)/bench/bench_import
[ -x "$bench" ] || { echo "import_at_cap.sh: $bench is missing: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for shape in uk-csv uk-utf16 export export-long-names export-wide-line uk-empty-cells ecb-csv ecb-xml; do
  "$bench" --write-at-cap "$shape" "$work/$shape"
  printf '%-9s ' "$shape"
  "$bench" --read "$work/$shape" 2>/dev/null || true
  rm -f "$work/$shape"
done
