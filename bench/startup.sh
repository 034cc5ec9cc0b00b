#!/usr/bin/env bash
# Start-up time, resident memory and commit time of Tallyvane, beside the floor
# a bare Qt Widgets window of the same size sets. Run after a build:
#
#   bench/startup.sh [BUILD-FOLDER]      (default build/; RUNS=20 runs each)
#
# Start-up is from just before the process is started to the main window's
# first paint (the program prints that moment when TALLYVANE_STARTUP_TIMESTAMP
# is set), under an Xvfb of its own. Memory is VmRSS at that moment. One line
# per figure, each with its target.
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-20}

for f in tallyvane Exchange.db mkratesdb bench/bare_window bench/hud_size bench/bench_commit; do
  [ -e "$build/$f" ] || { echo "startup.sh: $build/$f is missing: build first (scripts/build.sh $build)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "startup.sh: Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
bus_pid=
cleanup() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells it on fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "startup.sh: Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# Fresh settings for every run, never the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A session bus of its own, as a desktop has: without one, every Qt start
# would launch (and leave behind) a bus of its own through dbus-launch.
if command -v dbus-daemon >/dev/null; then
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
else
  DBUS_SESSION_BUS_ADDRESS=disabled:
fi
export DBUS_SESSION_BUS_ADDRESS

# The program reads Exchange.db beside itself: one copy per database.
mkdir -p "$work/shipped" "$work/big"
cp "$build/tallyvane" "$work/shipped/"
cp "$build/tallyvane" "$work/big/"
cp "$build/Exchange.db" "$work/shipped/"
{
  echo 'Country,Monetery Unit,Exchange Rate'
  echo 'Britain,Pound,1'
  for i in $(seq 1 9999); do echo "Country $i,Unit $i,1.$i"; done
} >"$work/rates-10000.csv"
"$build/mkratesdb" "$work/rates-10000.csv" "$work/big/Exchange.db" >/dev/null
shipped_rows=$(( $(grep -c . "$root/tools/rates-seed.csv") - 1 ))

read -r width height < <("$build/bench/hud_size")

# One start: prints "MILLISECONDS RSS-KB".
mkfifo "$work/out"
measure() {
  local start_us pid line painted_ns rss
  start_us=${EPOCHREALTIME/./}
  TALLYVANE_STARTUP_TIMESTAMP=1 "$@" >"$work/out" 2>/dev/null &
  pid=$!
  painted_ns=
  exec 4<"$work/out"
  while read -r -t 20 -u 4 line; do
    case $line in
      tallyvane-painted-ns\ *) painted_ns=${line#* }; break ;;
    esac
  done
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exec 4<&-
  [ -n "$painted_ns" ] || { echo "startup.sh: no first-paint line from $*" >&2; exit 1; }
  echo "$(( (painted_ns / 1000 - start_us) )) $rss" | awk '{printf "%.3f %d\n", $1 / 1000, $2}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/shipped.txt"; : >"$work/big.txt"; : >"$work/bare.txt"
# A warm-up of each, then the runs interleaved so drift hits all three alike.
measure "$work/shipped/tallyvane" >/dev/null
measure "$work/big/tallyvane" >/dev/null
measure "$build/bench/bare_window" "$width" "$height" >/dev/null
for _ in $(seq "$runs"); do
  measure "$work/shipped/tallyvane" >>"$work/shipped.txt"
  measure "$work/big/tallyvane" >>"$work/big.txt"
  measure "$build/bench/bare_window" "$width" "$height" >>"$work/bare.txt"
done

t_shipped=$(cut -d' ' -f1 "$work/shipped.txt" | median)
t_big=$(cut -d' ' -f1 "$work/big.txt" | median)
t_bare=$(cut -d' ' -f1 "$work/bare.txt" | median)
m_shipped=$(cut -d' ' -f2 "$work/shipped.txt" | median)
m_big=$(cut -d' ' -f2 "$work/big.txt" | median)
m_bare=$(cut -d' ' -f2 "$work/bare.txt" | median)

verdict() { awk -v v="$1" -v t="$2" 'BEGIN {print (v <= t) ? "met" : "MISSED"}'; }

awk -v s="$t_shipped" -v b="$t_big" -v f="$t_bare" -v n="$runs" -v rows="$shipped_rows" -v w="$width" -v h="$height" 'BEGIN {
  printf "start-up, shipped database (%d rates): %.1f ms (median of %d)\n", rows, s, n
  printf "start-up, 10,000-row database: %.1f ms (median of %d)\n", b, n
  printf "start-up, bare Qt window %dx%d: %.1f ms (median of %d)\n", w, h, f, n
}'
r_shipped=$(awk -v s="$t_shipped" -v f="$t_bare" 'BEGIN {printf "%.2f", s / f}')
r_big=$(awk -v s="$t_big" -v f="$t_bare" 'BEGIN {printf "%.2f", s / f}')
added_big=$(awk -v s="$t_big" -v f="$t_bare" 'BEGIN {printf "%.1f", s - f}')
echo "start-up ratio, shipped database / bare window: $r_shipped (target at most 1.30: $(verdict "$r_shipped" 1.30))"
echo "start-up ratio, 10,000-row database / bare window: $r_big"
echo "start-up added over the bare window, 10,000-row database: $added_big ms (target under 150: $(verdict "$added_big" 150))"
awk -v s="$m_shipped" -v b="$m_big" -v f="$m_bare" 'BEGIN {
  printf "resident memory after start-up, shipped database: %.1f MB\n", s / 1024
  printf "resident memory after start-up, 10,000-row database: %.1f MB\n", b / 1024
  printf "resident memory after start-up, bare window: %.1f MB\n", f / 1024
}'
m_added=$(awk -v s="$m_shipped" -v f="$m_bare" 'BEGIN {printf "%.1f", (s - f) / 1024}')
echo "resident memory added, shipped database: $m_added MB (target at most 10: $(verdict "$m_added" 10))"

# Commits: bench_commit in TMPDIR's file system, like the rates file on disk.
"$build/bench/bench_commit" --benchmark_format=csv 2>/dev/null >"$work/commit.csv"
for op in Add Edit Delete; do
  for rows in 200 10000; do
    ms=$(awk -F, -v name="\"BM_${op}Commit/$rows/real_time\"" '$1 == name {printf "%.2f", $3}' "$work/commit.csv")
    echo "commit, one ${op} on $rows rows: $ms ms (target under 20: $(verdict "$ms" 20))"
  done
done
