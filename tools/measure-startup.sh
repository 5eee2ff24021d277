#!/usr/bin/env bash
# Start-up time (process start to the first painted frame of the first window) and resident
# memory of orvane-calculator, against the smallest Qt Widgets program (one label), both run
# the same way on a private Xvfb display with openbox, several times each, interleaved.
# Budget: at most 1.5 x the minimal program's median start-up time, and under 50 MB resident.
#
# Usage: tools/measure-startup.sh [BUILD_DIR] [RUNS]    (defaults: build, 9)
# ORVANE_MEASURE_NO_BUILD=1 measures the programs already in BUILD_DIR (say, a saved copy of
# an older build, laid out as BUILD_DIR/src/app/...) without building them first.
# ORVANE_MEASURE_SESSION_BUS=1 runs both programs with a session bus of their own, as in a
# desktop session. Without one (the default), D-Bus starts a bus helper (dbus-launch) on every
# program start: both programs connect to the bus at start-up, for the accessibility bridge.
# Exit status: 0 within budget, 1 over budget or a run failed.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-9}

if [ "${ORVANE_MEASURE_NO_BUILD:-0}" != 1 ]; then
  cmake --build "$build" --target orvane-calculator orvane-startup-reference >/dev/null || exit 1
fi
calculator=$build/src/app/orvane-calculator
reference=$build/src/app/startup-reference/orvane-startup-reference

# shellcheck source=../tests/lib/desktop_session.sh
source "$root/tests/lib/desktop_session.sh"
work=$(mktemp -d)
cleanup() {
  [ -s "$work/bus.pid" ] && kill "$(cat "$work/bus.pid")" 2>/dev/null
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT

wm_option=""
command -v openbox >/dev/null || wm_option=--no-wm
desktop_start 1280x1024 $wm_option || { echo "Xvfb (and openbox) did not start"; exit 1; }
bus_note="no session bus"
if [ "${ORVANE_MEASURE_SESSION_BUS:-0}" = 1 ]; then
  bus_address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus.pid") ||
    { echo "dbus-daemon did not start"; exit 1; }
  export DBUS_SESSION_BUS_ADDRESS=$bus_address
  bus_note="a session bus"
fi

# One run: prints "WALL_MS RSS_KB CPU_MS". The clock starts in this shell right before the
# program is started ($EPOCHREALTIME needs no extra process); the program prints the wall
# clock of its first frame.
measure_once() {
  local t0 out
  t0=$EPOCHREALTIME
  out=$(ORVANE_REPORT_FIRST_FRAME=1 timeout 30 "$1" 2>/dev/null) || return 1
  awk -v t0="$t0" -F= '
    $1 == "first_frame_epoch_ns" { frame = $2 }
    $1 == "vmrss_kb" { rss = $2 }
    $1 == "cpu_ms" { cpu = $2 }
    END {
      if (frame == "" || rss == "" || cpu == "") exit 1
      printf "%.1f %d %.1f\n", frame / 1e6 - t0 * 1000, rss, cpu
    }
  ' <<<"$out"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# A first run of each warms the file cache; it is not counted.
measure_once "$reference" >/dev/null && measure_once "$calculator" >/dev/null || {
  echo "a program did not report its first frame"; exit 1; }
: >"$work/reference" >"$work/calculator"
for ((i = 1; i <= runs; i++)); do
  measure_once "$reference" >>"$work/reference" || { echo "reference run $i failed"; exit 1; }
  measure_once "$calculator" >>"$work/calculator" || { echo "calculator run $i failed"; exit 1; }
done

ref_ms=$(cut -d' ' -f1 "$work/reference" | median)
ref_kb=$(cut -d' ' -f2 "$work/reference" | median)
calc_ms=$(cut -d' ' -f1 "$work/calculator" | median)
calc_kb=$(cut -d' ' -f2 "$work/calculator" | median)
ref_cpu=$(cut -d' ' -f3 "$work/reference" | median)
calc_cpu=$(cut -d' ' -f3 "$work/calculator" | median)

echo "runs each: $runs (display $DISPLAY, $(nproc) CPUs, $bus_note)"
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
echo "medians                  start-up (wall)  CPU time   resident"
printf "reference (one QLabel)   %8s ms      %6s ms  %5s MB\n" "$ref_ms" "$ref_cpu" "$(mb "$ref_kb")"
printf "orvane-calculator        %8s ms      %6s ms  %5s MB\n" "$calc_ms" "$calc_cpu" "$(mb "$calc_kb")"
awk -v c="$calc_cpu" -v r="$ref_cpu" 'BEGIN { printf "CPU time ratio: %.2f x (for information)\n", c / r }'
awk -v c="$calc_ms" -v r="$ref_ms" -v kb="$calc_kb" 'BEGIN {
  ratio = c / r
  printf "ratio: %.2f x the minimal program (budget 1.50 x); resident %.1f MB (budget < 50 MB)\n", ratio, kb / 1024
  if (ratio > 1.5 || kb >= 50 * 1024) { print "OVER BUDGET"; exit 1 }
  print "within budget"
}'
