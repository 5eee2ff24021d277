#!/usr/bin/env bash
# End-to-end: House on its own X server (Xvfb) under openbox, driven with real input through
# xdotool. The window keeps its size when the frame is dragged to another size, minimises and
# restores, computes from typed input, and F2 asks for the expression calculator.
#
# Usage: house_wm_e2e.sh PATH/TO/orvane_house_show
set -u

program=${1:?usage: house_wm_e2e.sh PATH/TO/orvane_house_show}
for tool in Xvfb openbox xdotool xprop xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# shellcheck source=../../lib/desktop_session.sh
source "$(dirname "$0")/../../lib/desktop_session.sh"

work=$(mktemp -d)
pids=()
failures=0
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
    wait "${pids[i]}" 2>/dev/null
  done
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

desktop_start 1024x768 || { echo "FAIL: Xvfb and openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" >"$work/out" 2>/dev/null &
pids+=($!)
window=""
find_window() { window=$(xdotool search --name "Orvane按揭贷款计算器" 2>/dev/null | head -1); [ -n "$window" ]; }
wait_until 15 find_window || { echo "FAIL: the window did not appear"; exit 1; }
wait_until 5 xdotool windowactivate --sync "$window" 2>/dev/null

geometry() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
mapped() { xwininfo -id "$window" | grep -q "IsViewable"; }
hidden() { xprop -id "$window" _NET_WM_STATE | grep -q "_NET_WM_STATE_HIDDEN"; }
not_hidden() { ! hidden; }

designed=661x315  # 9915 by 4725 twips at 15 twips a pixel
[ "$(geometry)" = "$designed" ] || fail "opened at $(geometry), wanted $designed"

xdotool windowsize "$window" 900 600
sleep 0.5
[ "$(geometry)" = "$designed" ] || fail "after a resize $(geometry), wanted $designed"

xdotool windowminimize "$window"
wait_until 5 hidden || fail "not minimised"
xdotool windowmap "$window"
xdotool windowactivate "$window" 2>/dev/null
wait_until 5 not_hidden || fail "not restored"
wait_until 5 mapped || fail "not shown after restoring"
[ "$(geometry)" = "$designed" ] || fail "restored at $(geometry), wanted $designed"

# The focus starts on the button: Tab to the term list, rate, direction list, amount.
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key Tab
xdotool type --delay 150 20
xdotool key Tab
xdotool type 6
xdotool key Tab Tab
xdotool type 10
xdotool key alt+o
sleep 0.5
xdotool key F2
quit_asked() { grep -q "switch" "$work/out"; }
wait_until 5 quit_asked || fail "F2 asked for nothing"
grep -qx "results 716.43 71943.45 916.67 60202.2" "$work/out" ||
  fail "typed example gave '$(head -1 "$work/out")'"
grep -qx "switch 1" "$work/out" || fail "F2 asked for '$(cat "$work/out")', wanted the expression calculator"

if ((failures == 0)); then
  echo "PASS: resize, minimise, restore and F2 under openbox"
fi
exit $((failures > 0))
