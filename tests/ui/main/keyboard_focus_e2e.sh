#!/usr/bin/env bash
# Keys go to the calculator whatever control was used last: with auto-copy ticked by the mouse,
# a stray Space, Down and Tab must neither untick it nor change the rounding list, and the
# calculation typed next must reach the clipboard as its exact result.
# Usage: keyboard_focus_e2e.sh PROGRAM   (the program prints "window <id>" once shown)
set -euo pipefail

# shellcheck source=../../lib/desktop_session.sh
source "$(dirname "$0")/../../lib/desktop_session.sh"
desktop_require xclip
desktop_test_program 1280x800 "$1"
read -r x y < <(xwininfo -id "$wid" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')

printf 'before' | xclip -selection clipboard
# C_AutoCopy's box (4080, 1365 twips and a little in): ticked with the mouse.
xdotool mousemove --sync $((x + 280)) $((y + 99)) click 1
sleep 0.3
# Stray keys: Space would untick a focused box, Down would change a focused rounding list to
# rounding at 0 decimals, Tab would move the focus on to the next list.
xdotool key space Down Tab space Down
sleep 0.2
xdotool type --delay 60 '7/4='
wait_until 3 desktop_clipboard_is 1.75 || true
got="$(xclip -o -selection clipboard 2>/dev/null || true)"
[ "$got" = "1.75" ] || { echo "FAIL: after stray Space/Down/Tab, 7/4= left \"$got\" on the clipboard, expected 1.75"; cat "$workdir/app.log"; exit 1; }
echo "ok: stray Space, Down and Tab changed nothing; 7/4= copied 1.75"
