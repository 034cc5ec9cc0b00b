#!/usr/bin/env bash
# Checks that the product folders include one another only downwards:
#
#   app -> calculator -> maintenance, info -> widgets -> ratefiles -> data
#
# (the main window in calculator/ opens the dialogs of maintenance/ and info/,
# which include no other window folder; feed/, the network, sits on ratefiles/
# and serves maintenance/, calculator/ and app/ only; tools/ may use ratefiles/
# and data/),
# that no include cycle runs between folders, and that data/, ratefiles/ and
# feed/ use nothing of QtWidgets. Reads the "..." includes of every source, header
# and form; prints each fault and fails on any.
#
# Also that each folder is its own namespace: none of the old module
# namespaces (MOD_..., AOT_MOD) in the product folders, and the shared
# connection and record set (cnRates, rsRates) named only in data/, which owns
# them, and app/, which opens and closes them; the windows ask the store.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A may_include=(
  [data]="data"
  [ratefiles]="ratefiles data"
  [feed]="feed ratefiles data"
  [widgets]="widgets ratefiles data"
  [info]="info widgets ratefiles data"
  [maintenance]="maintenance feed widgets ratefiles data"
  [calculator]="calculator maintenance info feed widgets ratefiles data"
  [app]="app calculator maintenance info feed widgets ratefiles data"
  [tools]="tools ratefiles data"
)
widget_free=(data ratefiles feed)

faults=0
fault() {
  echo "layers: $*" >&2
  faults=$((faults + 1))
}

# The QtWidgets module's headers, to know <QListWidget> from <QString>.
qt_headers=""
for dir in "$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)" \
           /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6; do
  if [ -n "$dir" ] && [ -d "$dir/QtWidgets" ]; then
    qt_headers=$dir
    break
  fi
done
[ -n "$qt_headers" ] || { echo "layers: cannot find Qt's QtWidgets headers" >&2; exit 2; }

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

includes=0
for folder in "${!may_include[@]}"; do
  allowed=" ${may_include[$folder]} "
  while IFS=: read -r file line target; do
    includes=$((includes + 1))
    case $target in
      */*) to=${target%%/*} ;;
      *) continue ;;  # generated next to the source (ui_frmHUD.h, a .moc)
    esac
    if [[ $allowed != *" $to "* ]]; then
      fault "$file:$line includes \"$target\": $folder/ may include only ${may_include[$folder]// /\/, }/"
    fi
    [ "$to" = "$folder" ] || echo "$folder $to" >>"$edges"
  done < <(grep -HnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"|<header>[^<]+</header>' \
             "$folder"/*.h "$folder"/*.cpp "$folder"/*.ui 2>/dev/null |
           sed -E 's/^([^:]+):([0-9]+):.*(["<>])(.+)(["<]).*$/\1:\2:\4/; s#</?header>##g')
done

for folder in "${widget_free[@]}"; do
  while IFS=: read -r file line header; do
    if [[ $header == QtWidgets* ]] || [ -e "$qt_headers/QtWidgets/$header" ]; then
      fault "$file:$line includes <$header> of QtWidgets: $folder/ is widget-free"
    fi
  done < <(grep -HnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]+>' "$folder"/*.h "$folder"/*.cpp |
           sed -E 's/^([^:]+):([0-9]+):.*<([^>]+)>.*$/\1:\2:\3/')
  if grep -n 'Widgets' "$folder/CMakeLists.txt" >/dev/null; then
    fault "$folder/CMakeLists.txt links QtWidgets: $folder/ is widget-free"
  fi
done

# The old module namespaces, declared or used, anywhere in the product.
for folder in "${!may_include[@]}"; do
  while IFS=: read -r file line text; do
    fault "$file:$line names the old module namespace $(grep -oE '(MOD_[A-Za-z0-9_]*|AOT_MOD)' <<<"$text" | head -n 1): use the folder's own"
  done < <(grep -HnE '\b(namespace[[:space:]]+(MOD_[A-Za-z0-9_]*|AOT_MOD)\b|(MOD_[A-Za-z0-9_]+|AOT_MOD)[[:space:]]*::)' \
             "$folder"/*.h "$folder"/*.cpp 2>/dev/null || true)
done

# The shared connection and record set, outside the folders that own them.
for folder in "${!may_include[@]}"; do
  case $folder in data | app) continue ;; esac
  while IFS=: read -r file line text; do
    fault "$file:$line names $(grep -owE 'rsRates|cnRates' <<<"$text" | sort -u | tr '\n' ' ')outside data/ and app/: ask the store for the rows instead"
  done < <(grep -HnwE 'rsRates|cnRates' "$folder"/*.h "$folder"/*.cpp 2>/dev/null || true)
done

# Folders that include each other in a ring, however long.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
  fault "an include cycle between folders: $(grep -v 'input contains a loop' "$edges.loop" | sed 's/^tsort: //' | awk '!seen[$0]++' | tr '\n' ' ')"
fi
rm -f "$edges.loop"

if [ "$faults" -gt 0 ]; then
  echo "layers: $faults fault(s)" >&2
  exit 1
fi
echo "layers ok: $includes includes in ${#may_include[@]} folders"
