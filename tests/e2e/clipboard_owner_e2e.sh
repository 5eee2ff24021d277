#!/usr/bin/env bash
# End-to-end: what another program puts on the clipboard can neither freeze the calculator nor
# change its numbers. The real program under Xvfb and a window manager, with capture and
# auto-copy on (/ac/ag); results are read back from the clipboard, which auto-copy fills.
#  1. The clipboard's owner is stopped (kill -STOP): typed keys still reach the display within
#     1.5 s while capture ticks try to read it, and so do keys typed after a Ctrl+V; Alt+F4
#     with a paste still waiting ends the program at once.
#  2. A 13-digit number on the clipboard is not captured as the 12 digits that fit.
#  3. The expression window (/f2/ac) answers the same way after a Ctrl+V.
# Usage: clipboard_owner_e2e.sh PATH/TO/orvane-calculator [SCREENSHOT.png]
set -u

calculator=${1:?usage: clipboard_owner_e2e.sh PATH/TO/orvane-calculator [SCREENSHOT.png]}
screenshot=${2:-}
# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"
for tool in Xvfb xdotool xclip timeout; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop_wm_available || { echo "SKIP: window manager $(desktop_wm) is not installed"; exit 77; }

work=$(mktemp -d)
app_pid=""
owners=()
failures=0
cleanup() {
  local pid
  for pid in "${owners[@]}"; do
    kill -CONT "$pid" 2>/dev/null
    kill "$pid" 2>/dev/null
  done
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

desktop_start 1280x800 || { echo "FAIL: no X server"; exit 1; }

# What the clipboard holds; empty when its owner does not answer within half a second.
clipboard() { timeout 0.5 xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# A clipboard owner holding $1 that is then stopped: it never answers again.
stopped_owner() {
  printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  owners+=($!)
  wait_until 5 clipboard_is "$1" || fail "xclip never offered '$1'"
  kill -STOP "${owners[-1]}"
}

start_calculator() {
  "$calculator" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  wid=""
  find_window() { wid=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1); [ -n "$wid" ]; }
  wait_until 15 find_window || { fail "the window never appeared"; cat "$work/app.log"; exit 1; }
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
}

# Types $1, then waits until the clipboard holds $2; prints the milliseconds from the last key.
type_and_time() {
  xdotool type --delay 40 "$1"
  local typed
  typed=$(now_ms)
  wait_until 30 clipboard_is "$2" || { echo "never"; return; }
  echo $(($(now_ms) - typed))
}

within_budget() {  # within_budget WHAT MILLISECONDS
  if [ "$2" = never ]; then
    fail "$1: the result never reached the clipboard"; return
  fi
  if [ "$2" -gt 1500 ]; then
    fail "$1: the result came $2 ms after the last key (budget 1500 ms)"; return
  fi
  echo "ok: $1: result $2 ms after the last key"
}

# --- 1. A stopped owner.
stopped_owner hi
start_calculator /ac/ag
sleep 2.5  # the capture timer has asked the stopped owner twice by now
within_budget "12+3= with capture on" "$(type_and_time '12+3=' 15)"

stopped_owner hi
xdotool key ctrl+v
within_budget "2*4= after Ctrl+V" "$(type_and_time '2*4=' 8)"
[ -n "$screenshot" ] && import -window root "$screenshot" 2>/dev/null

stopped_owner hi
xdotool key ctrl+v
sleep 0.2
quit_started=$(now_ms)
xdotool key alt+F4
process_gone() { ! kill -0 "$app_pid" 2>/dev/null; }
if wait_until 30 process_gone; then
  took=$(($(now_ms) - quit_started))
  if [ "$took" -le 2000 ]; then
    echo "ok: Alt+F4 with a paste waiting ended the program after $took ms"
  else
    fail "Alt+F4 with a paste waiting took $took ms (budget 2000 ms)"
  fi
else
  fail "Alt+F4 did not end the program"
fi
wait "$app_pid" 2>/dev/null
app_pid=""

# --- 2. A number whose whole part is longer than the display.
printf '1234567890123' | xclip -selection clipboard -i
start_calculator /ac/ag
sleep 2.5
# Captured, the 12 digits shown would swallow the 5 and give 123456789013.
xdotool type --delay 40 '5+1='
wait_until 5 clipboard_is 6 ||
  fail "after two capture ticks of 1234567890123, 5+1= left '$(clipboard)' on the clipboard, expected 6"
clipboard_is 6 && echo "ok: 1234567890123 was not captured; 5+1= gave 6"

kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""

# --- 3. The expression window's Ctrl+V with a stopped owner (its answers are copied too).
start_calculator /f2/ac
stopped_owner hi
xdotool key ctrl+v
within_budget "2*4 Enter in the expression window after Ctrl+V" "$(type_and_time $'2*4\r' 8)"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all passed"
