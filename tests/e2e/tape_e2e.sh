#!/usr/bin/env bash
# End-to-end: the real program with auto-copy (/ac) on its own X server under openbox. A chain
# is keyed, F8 opens the tape beside the calculator (which keeps the keyboard: the chain goes
# on), the first number is corrected in the tape
# (clicked, Tab to the number box, typed, Enter), and the recomputed result is read back from
# the clipboard. A screenshot of the screen is kept for a person to look at.
#
# Usage: tape_e2e.sh PATH/TO/orvane-calculator SHOT.png
set -u

program=${1:?usage: tape_e2e.sh PATH/TO/orvane-calculator SHOT.png}
shot=${2:?usage: tape_e2e.sh PATH/TO/orvane-calculator SHOT.png}
for tool in Xvfb openbox xdotool xwininfo xclip import; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"

app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  desktop_stop
}
trap cleanup EXIT

desktop_start 1280x800 || { echo "FAIL: Xvfb and openbox did not start"; exit 1; }
"$program" /ac >/dev/null 2>&1 &
app=$!

calculator=""
find_calculator() { calculator=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1); [ -n "$calculator" ]; }
wait_until 15 find_calculator || { echo "FAIL: the calculator did not appear"; exit 1; }
wait_until 5 xdotool windowactivate --sync "$calculator" 2>/dev/null
sleep 0.5

clipboard_holds() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

xdotool type --delay 80 '12+3='
wait_until 5 clipboard_holds 15 || { echo "FAIL: 12+3= did not copy 15 (clipboard: $(xclip -o -selection clipboard 2>/dev/null))"; exit 1; }

xdotool key F8
tape=""
find_tape() { tape=$(xdotool search --onlyvisible --name '^计算记录$' 2>/dev/null | head -1); [ -n "$tape" ]; }
wait_until 10 find_tape || { echo "FAIL: F8 did not open the tape"; exit 1; }
sleep 0.5

# The calculator keeps the keyboard: the chain goes on.
xdotool type --delay 80 '*2='
wait_until 5 clipboard_holds 30 || { echo "FAIL: keys after F8 did not reach the calculator (clipboard: $(xclip -o -selection clipboard 2>/dev/null))"; exit 1; }

# The first line ("12 ＋") is the list's top row.
xdotool mousemove --window "$tape" 80 17 click 1
sleep 0.3
xdotool key Tab
xdotool type --delay 80 '10'
xdotool key Return
wait_until 5 clipboard_holds 26 || { echo "FAIL: correcting 12 to 10 did not copy (10+3)*2 = 26 (clipboard: $(xclip -o -selection clipboard 2>/dev/null))"; exit 1; }
sleep 0.5
import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
echo "PASS: 12+3=*2= corrected on the tape to 10+3=*2=, 26 read back from the clipboard; screenshot $shot"
