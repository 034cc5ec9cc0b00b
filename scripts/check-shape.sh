#!/usr/bin/env bash
# Checks the shape of the product's functions: none longer than 60 lines, from
# its first line to its closing brace as pmccabe counts them. Past that a phase
# wants a name of its own. Prints each fault and fails on any; also fails when
# pmccabe cannot follow a file, so no function goes unmeasured.
set -euo pipefail
cd "$(dirname "$0")/.."

max_lines=60
folders=(app calculator maintenance info widgets feed ratefiles data tools)

command -v pmccabe >/dev/null || { echo "shape: pmccabe not found (scripts/deps.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

faults=0
fault() {
  echo "shape: $*" >&2
  faults=$((faults + 1))
}

functions=0
while IFS= read -r file; do
  # pmccabe predates C++11: it loses its place at override, final or noexcept
  # after a declaration and at digit separators (1'000). Taking them out keeps
  # every line where it was.
  copy=$work/source.${file##*.}
  sed -E "s/\b(override|final)\b//g; s/\bnoexcept(\([^)]*\))?//g; s/([0-9])'([0-9])/\1\2/g" "$file" >"$copy"
  if ! pmccabe "$copy" >"$work/out" 2>"$work/err" || [ -s "$work/err" ]; then
    fault "$file: pmccabe cannot follow it: $(sed "s#$copy#$file#" "$work/err" | head -n 3 | tr '\n' ' ')"
    continue
  fi
  # Columns: complexity, complexity, statements, first line, lines, place: name.
  while IFS=$'\t' read -r _ _ _ first lines place; do
    functions=$((functions + 1))
    if [ "$lines" -gt "$max_lines" ]; then
      fault "$file:$first: ${place#*: } is $lines lines long (at most $max_lines): split it by phase"
    fi
  done <"$work/out"
done < <(find "${folders[@]}" -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

[ "$functions" -gt 0 ] || { echo "shape: no functions found" >&2; exit 2; }
if [ "$faults" -gt 0 ]; then
  echo "shape: $faults fault(s) in $functions functions" >&2
  exit 1
fi
echo "shape ok: $functions functions of at most $max_lines lines"
