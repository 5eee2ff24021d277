#!/usr/bin/env bash
# A press on the open help panel's blank ground drags the real main window like its background.
# Usage: help_drag_e2e.sh PROGRAM   (the program prints "window <id>" once shown)
set -euo pipefail

# shellcheck source=../../../lib/desktop_session.sh
source "$(dirname "$0")/../../../lib/desktop_session.sh"
desktop_require
desktop_test_program 1280x800 "$1"
position() {
    xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
read -r x y < <(position)
xdotool mousemove --sync $((x + 100)) $((y + 300))
sleep 0.2
width_is() { [ "$(xwininfo -id "$wid" | awk '/^  Width/ {print $NF}')" = "$1" ]; }
xdotool key F1
wait_until 3 width_is 698 || true
sleep 0.3
# The panel's top right corner, right of its logo (10350, 300 twips): blank white ground.
px=$((x + 690))
py=$((y + 20))
xdotool mousemove --sync "$px" "$py"
sleep 0.2
xdotool mousedown 1
sleep 0.2
for step in 1 2 3 4 5 6; do
    xdotool mousemove "$px" $((py + 15 * step))
    sleep 0.05
done
sleep 0.2
xdotool mouseup 1
got=""
moved_down() { read -r _ got < <(position); [ "$got" -ge $((y + 80)) ]; }
wait_until 3 moved_down || true
[ "$got" -ge $((y + 80)) ] || { echo "FAIL: pressed on the help panel's ground and moved 90 pixels down, the window stayed at y = $got (was $y)"; cat "$workdir/app.log"; exit 1; }
echo "ok: dragged by the help panel's blank ground from y = $y to y = $got"
