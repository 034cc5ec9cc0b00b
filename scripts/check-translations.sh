#!/usr/bin/env bash
# Checks the translations in translations/: each .ts file must be up to date
# with the sources (lupdate over them, as the update_translations target runs
# it, changes nothing) and complete (no unfinished, vanished or obsolete
# entry). Prints for every file how many entries are unfinished, and every
# fault; fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || true)/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate || true)
if [ -z "$lupdate" ] || [ ! -x "$lupdate" ]; then
  echo "translations: cannot find Qt 6's lupdate (qt6-l10n-tools)" >&2
  exit 2
fi

faults=0
fault() {
  echo "translations: $*" >&2
  faults=$((faults + 1))
}

# The product's sources and forms, as CMake lists them to lupdate.
mapfile -t sources < <(find app calculator data feed info maintenance ratefiles widgets -maxdepth 1 -type f \
                         \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \) | LC_ALL=C sort)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

shopt -s nullglob
files=(translations/tallyvane_*.ts)
[ "${#files[@]}" -gt 0 ] || { fault "no .ts files in translations/"; exit 1; }
for ts in "${files[@]}"; do
  name=$(basename "$ts")
  options=(-silent -locations none -no-obsolete -source-language en)
  # English holds only the plural forms of the sources' own words.
  [ "$name" = tallyvane_en.ts ] && options+=(-pluralonly)
  cp "$ts" "$tmp/$name"
  "$lupdate" "${options[@]}" -I . "${sources[@]}" -ts "$tmp/$name" >/dev/null 2>"$tmp/lupdate.err" \
    || { cat "$tmp/lupdate.err" >&2; fault "$name: lupdate failed"; continue; }
  if ! cmp -s "$ts" "$tmp/$name"; then
    fault "$name is out of date with the sources (cmake --build build --target update_translations):"
    diff -u "$ts" "$tmp/$name" | head -40 >&2 || true
  fi
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  gone=$(grep -cE 'type="(vanished|obsolete)"' "$ts" || true)
  total=$(grep -c '<message' "$ts" || true)
  echo "translations: $name: $unfinished of $total entries unfinished"
  [ "$unfinished" -eq 0 ] || fault "$name has $unfinished unfinished entries"
  [ "$gone" -eq 0 ] || fault "$name has $gone vanished or obsolete entries"
done

[ "$faults" -eq 0 ] || { echo "translations: $faults fault(s)" >&2; exit 1; }
echo "translations: ${#files[@]} files up to date and complete"
