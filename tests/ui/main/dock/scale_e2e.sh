#!/usr/bin/env bash
# The help panel and docking at a display scale: F1 widens the real main window to 10470 twips
# and F1 again narrows it to 6635, as the server maps it (device pixels, within the rounding of a
# pixel); dropped near the left edge it docks there, slides away when the pointer leaves through
# the far strip and comes back when the pointer touches the sliver at the edge.
# Usage: scale_e2e.sh SCALE PROGRAM   (the program prints "window <id>" once shown)
set -euo pipefail

# shellcheck source=../../../lib/desktop_session.sh
source "$(dirname "$0")/../../../lib/desktop_session.sh"
desktop_require
scale=$1
desktop_test_program 1920x1080 env QT_SCALE_FACTOR="$scale" "$2"

width() { xwininfo -id "$wid" | awk '/^  Width/ {print $NF}'; }
width_near() {  # width_near PIXELS: within 2 pixels; the width read is left in $got
    got=$(width)
    [ $((got - $1)) -le 2 ] && [ $(($1 - got)) -le 2 ]
}
expect_width() {  # expect_width TWIPS WHAT: 15 twips a pixel at scale 1
    local want
    want=$(awk -v t="$1" -v s="$scale" 'BEGIN {printf "%d", t / 15 * s + 0.5}')
    wait_until 3 width_near "$want" ||
        { echo "FAIL: scale $scale: $2: width $got device pixels, expected $want"; exit 1; }
    echo "ok: scale $scale: $2 ($got device pixels)"
}

read -r x y < <(xwininfo -id "$wid" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
xdotool mousemove --sync $((x + 100)) $((y + 300))
sleep 0.2
expect_width 6635 "calculator"
# Three rounds: the rounding fault showed only now and then, as resize events came in.
for round in 1 2 3; do
    xdotool key F1
    expect_width 10470 "F1 opened the help panel (round $round)"
    sleep 0.3
    xdotool key F1
    expect_width 6635 "F1 closed it (round $round)"
    sleep 0.3
done

px() { awk -v t="$1" -v s="$scale" 'BEGIN {printf "%d", t / 15 * s + 0.5}'; }
position() { xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
map_state() { xwininfo -id "$wid" | awk '/Map State/ {print $NF}'; }
map_state_is() { [ "$(map_state)" = "$1" ]; }
wait_state() {  # wait_state STATE WHAT
    wait_until 3 map_state_is "$1" && return 0
    echo "FAIL: scale $scale: $2: map state $(map_state), expected $1"; exit 1
}
# Grabbed by the logo (820, 1940 twips), dropped 10 pixels from the left edge.
desktop_drag_window "$wid" "$(px 820)" "$(px 1940)" 10 "$y"
at_left_edge() { read -r xd yd < <(position); [ "$xd" = 0 ]; }
wait_until 3 at_left_edge || true
[ "$xd" = 0 ] || { echo "FAIL: scale $scale: dropped near the left edge, x = $xd"; exit 1; }
echo "ok: scale $scale: docked at the left edge"
# Out through the right strip (6491..6604 twips).
row=$((yd + $(px 3000)))
xdotool mousemove --sync "$(px 3000)" "$row"
sleep 0.1
xdotool mousemove --sync "$(px 6550)" "$row"
sleep 0.1
xdotool mousemove --sync "$(px 8000)" "$row"
wait_state IsUnMapped "slid away through the right strip"
sleep 0.3
xdotool mousemove --sync 1 "$row"
wait_state IsViewable "touching the sliver at the left edge"
read -r xb yb < <(position)
[ "$xb $yb" = "0 $yd" ] || { echo "FAIL: scale $scale: back at $xb $yb, expected 0 $yd"; exit 1; }
echo "ok: scale $scale: slid away and brought back by the sliver"
