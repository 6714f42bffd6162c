#!/usr/bin/env bash
# Start-up benchmark: time from starting the program to its first window being mapped, and its
# peak memory (GNU time's maximum resident set size), for quorvan and for a minimal Qt Widgets
# program with one empty window, side by side under Xvfb. Runs alternate between the two; one
# warm-up run of each is discarded; the figures are medians.
#
#   bash bench/startup/run.sh [build-dir] [runs]     (default: build/bench, built with its preset)
set -euo pipefail
cd "$(dirname "$0")/../.."

build="${1:-}"
runs="${2:-9}"
if [ -z "$build" ]; then
  build=build/bench
  cmake --preset bench >/dev/null
  cmake --build --preset bench
fi
timer="$build/bench/map_timer"
quorvan="$build/quorvan"
minimal="$build/bench/minimal_window"
for f in "$timer" "$quorvan" "$minimal"; do
  [ -x "$f" ] || { echo "run.sh: $f is missing; build with QUORVAN_BUILD_BENCHMARKS=ON" >&2; exit 1; }
done

work="$(mktemp -d)"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "run.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# A desktop session has a session bus; without one Qt forks dbus-launch while starting, which
# would be timed here and never on a user's desktop. A bus address that is not there skips it.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# measure <name> <program>: one run, appending "<ms> <KiB>" to $work/<name>.
measure() {
  local ms kib
  ms="$("$timer" "$work/peak" "$2")"
  kib="$(grep -E '^[0-9]+$' "$work/peak" | tail -n1)"
  echo "$ms $kib" >>"$work/$1"
}

measure warm-up "$quorvan"
measure warm-up "$minimal"
for _ in $(seq "$runs"); do
  measure quorvan "$quorvan"
  measure minimal "$minimal"
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
q_ms="$(cut -d' ' -f1 "$work/quorvan" | median)"
m_ms="$(cut -d' ' -f1 "$work/minimal" | median)"
q_kib="$(cut -d' ' -f2 "$work/quorvan" | median)"
m_kib="$(cut -d' ' -f2 "$work/minimal" | median)"

printf '%-22s %12s %12s %8s\n' "median of $runs runs" quorvan minimal ratio
printf '%-22s %12.1f %12.1f %8.2f\n' "first window (ms)" "$q_ms" "$m_ms" "$(echo "$q_ms $m_ms" | awk '{ print $1 / $2 }')"
printf '%-22s %12d %12d %8.2f\n' "peak memory (KiB)" "$q_kib" "$m_kib" "$(echo "$q_kib $m_kib" | awk '{ print $1 / $2 }')"
