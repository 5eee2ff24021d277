#!/usr/bin/env bash
# End-to-end: a formula longer than a line box keeps by default. The real expression window
# (/f2/ac, so each answer lands on the clipboard) under Xvfb and a window manager:
#  1. 1+1+…+1 with 20,001 ones (40,001 characters), pasted with Ctrl+V and computed with Enter,
#     gives 20001: nothing of it was cut.
#  2. 2,000 characters typed at the end of it as fast as the X server takes them: the window
#     has taken them all within 3 s of the last key (one key at a time it lays out the whole
#     line again for every key).
# Usage: long_formula_e2e.sh PATH/TO/orvane-calculator [SCREENSHOT.png]
set -u

calculator=${1:?usage: long_formula_e2e.sh PATH/TO/orvane-calculator [SCREENSHOT.png]}
screenshot=${2:-}
# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"
for tool in Xvfb xdotool xclip timeout; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop_wm_available || { echo "SKIP: window manager $(desktop_wm) is not installed"; exit 77; }

work=$(mktemp -d)
app_pid=""
failures=0
cleanup() {
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
clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

desktop_start 1280x800 || { echo "FAIL: no X server"; exit 1; }
"$calculator" /f2/ac >"$work/app.log" 2>&1 &
app_pid=$!
find_window() { wid=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1); [ -n "$wid" ]; }
wait_until 15 find_window || { fail "the window never appeared"; cat "$work/app.log"; exit 1; }
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"

# --- 1. Pasted whole.
{ printf 1; for _ in $(seq 20000); do printf '+1'; done; } >"$work/formula"
xclip -selection clipboard -i "$work/formula"
wait_until 5 clipboard_is "$(cat "$work/formula")" || fail "xclip never offered the formula"
xdotool key ctrl+v Return
if wait_until 20 clipboard_is 20001; then
  echo "ok: 20,001 ones pasted and computed: 20001"
else
  fail "20,001 ones gave '$(clipboard | head -c 40)', expected 20001"
fi
[ -n "$screenshot" ] && import -window root "$screenshot" 2>/dev/null

# --- 2. Typing at the end of it. Computing the result rewrote the box with the caret first.
xdotool key End
typed=$(printf '+2%.0s' $(seq 1000))
xdotool type --delay 0 "$typed"
last_key=$(now_ms)
# Enter computes what the box holds once it has taken every key; the answer is copied.
xdotool key Return
if wait_until 60 clipboard_is 22001; then
  took=$(($(now_ms) - last_key))
  echo "ok: 2,000 characters typed after 40,001: taken and computed $took ms after the last key"
  [ "$took" -le 3000 ] || fail "the window was busy $took ms after the last key (budget 3000 ms)"
else
  fail "after typing, the answer was '$(clipboard | head -c 40)', expected 22001"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all passed"
