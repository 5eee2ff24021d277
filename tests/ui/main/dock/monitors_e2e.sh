#!/usr/bin/env bash
# Two monitors side by side on one X screen (3840x1080, two 1920x1080 monitors set with xrandr):
# the real main window is dropped, docked and slid away on the monitor that is not the primary
# one, at the edges of the whole desktop only; a click on the tray icon brings a slid-away window
# back; and when the desktop shrinks to one small monitor while the window is slid away, it ends
# docked at the same kind of edge of the monitor that is left, its sliver reachable there.
# Judged by the server's window places and map states and by the screen's pixels.
# Usage: monitors_e2e.sh PROGRAM LAYOUT   (LAYOUT: right = the second monitor right of the
# primary, left = left of it; the program prints "window <id>" once shown)
set -euo pipefail

# shellcheck source=../../../lib/desktop_session.sh
source "$(dirname "$0")/../../../lib/desktop_session.sh"
desktop_require xrandr xprop import compare tint2
program=$1
layout=$2

workdir="$(mktemp -d)"
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    desktop_stop
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT
desktop_start 3840x1080 || { echo "FAIL: no X server with $(desktop_wm) could be started"; exit 1; }

# P is the primary monitor; S the other one, the one under test. Its outer edge is the desktop's
# edge on its side; the other side is the edge it shares with P.
case "$layout" in
    right) p_x=0; s_x=1920 ;;
    left) p_x=1920; s_x=0 ;;
    *) echo "FAIL: unknown layout $layout"; exit 1 ;;
esac
xrandr --setmonitor '*P' "1920/508x1080/286+$p_x+0" screen >/dev/null
xrandr --setmonitor S "1920/508x1080/286+$s_x+0" none >/dev/null
xrandr --listmonitors
desktop_start_panel S

QT_QPA_PLATFORM=xcb "$program" >"$workdir/app.log" 2>&1 &
app=$!
desktop_wait_for_window "$workdir/app.log" || exit 1
sleep 0.5

fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$workdir/app.log"
    exit 1
}
position() {
    xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
map_state() { xwininfo -id "$wid" | awk '/Map State/ {print $NF}'; }
expect_at() {  # expect_at X Y WHAT
    local got=""
    for _ in $(seq 30); do
        got="$(position)"
        [ "$got" = "$1 $2" ] && { echo "ok: $3 ($got)"; return 0; }
        sleep 0.1
    done
    fail "$3: at $got, expected $1 $2"
}
wait_state() {  # wait_state STATE WHAT
    for _ in $(seq 30); do [ "$(map_state)" = "$1" ] && return 0; sleep 0.1; done
    fail "$2: map state $(map_state), expected $1"
}
shot() {
    import -window root "$workdir/$1.png"
    if [ -n "${ORVANE_E2E_SHOTS:-}" ]; then
        mkdir -p "$ORVANE_E2E_SHOTS"
        cp "$workdir/$1.png" "$ORVANE_E2E_SHOTS/monitors-$layout-$(desktop_wm)-$1.png"
    fi
}
differing() {  # differing SHOT_A CROP_A SHOT_B CROP_B: pixels that differ between the crops
    { compare -metric AE "$workdir/$1.png[$2]" "$workdir/$3.png[$4]" null: 2>&1 || true; } |
        awk '{print int($1)}'
}
# The logo is the grip (pixels 55, 129 of the window): the strips slide a docked window.
drag_to() { desktop_drag_window "$wid" 55 129 "$1" "$2"; }
away() { xdotool mousemove --sync $((p_x + 960)) 500; sleep 0.3; }

# Anywhere on S, the window stays where it is dropped.
drag_to $((s_x + 580)) 300
expect_at $((s_x + 580)) 300 "dropped in the middle of the second monitor, it stays there"

# Near the edge S shares with P: no edge to dock at.
if [ "$layout" = right ]; then shared_drop=$((s_x + 5)); else shared_drop=$((1920 - 442 - 5)); fi
drag_to "$shared_drop" 300
expect_at "$shared_drop" 300 "dropped at the edge the monitors share, it is not docked"

# Near the top of S: docked at y = 0; the pointer leaving through the bottom strip slides it up,
# and a 3-pixel sliver showing the window's bottom rows stays at the top of S.
drag_to $((s_x + 580)) 8
expect_at $((s_x + 580)) 0 "dropped near the top of the second monitor, docked there"
away
shot top_shown
xdotool mousemove --sync $((s_x + 780)) 200
sleep 0.1
xdotool mousemove --sync $((s_x + 780)) 425
sleep 0.1
xdotool mousemove --sync $((s_x + 780)) 520
wait_state IsUnMapped "slid away at the top of the second monitor"
sleep 0.3
shot top_hidden
off=$(differing top_hidden "420x3+$((s_x + 590))+0" top_shown "420x3+$((s_x + 590))+430")
[ "$off" -eq 0 ] || fail "the top sliver differs from the window's bottom rows in $off pixels"
lit=$(differing top_hidden "420x3+$((s_x + 590))+0" top_hidden "420x3+$((s_x + 590))+600")
[ "$lit" -gt 600 ] || fail "the top rows of the second monitor are bare ($lit pixels differ from the background)"
echo "ok: a sliver of the window's bottom rows lies at the top of the second monitor"

# A left click on the tray icon brings the slid-away window back.
icon=""
for _ in $(seq 50); do icon="$(desktop_tray_icon "$(basename "$program")" "$wid")"; [ -n "$icon" ] && break; sleep 0.1; done
[ -n "$icon" ] || fail "no icon of the program in the panel"
read -r _ icon_x icon_y <<<"$icon"
xdotool mousemove --sync $((icon_x + 12)) $((icon_y + 12))
sleep 0.2
xdotool click 1
wait_state IsViewable "a click on the tray icon"
expect_at $((s_x + 580)) 0 "a click on the tray icon brought the slid-away window back"

# At the outer edge of S: docked flush with it, then slid away through the far strip.
if [ "$layout" = right ]; then
    edge_drop=$((3840 - 442 - 10)); docked_x=$((3840 - 442)); leave_x=$((docked_x + 5)); past_x=$((docked_x - 100))
else
    edge_drop=10; docked_x=0; leave_x=436; past_x=540
fi
drag_to "$edge_drop" 300
expect_at "$docked_x" 300 "dropped near the outer edge of the second monitor, docked there"
read -r _ row < <(position)
row=$((row + 200))
xdotool mousemove --sync $((docked_x + 200)) "$row"
sleep 0.1
xdotool mousemove --sync "$leave_x" "$row"
sleep 0.1
xdotool mousemove --sync "$past_x" "$row"
wait_state IsUnMapped "slid away at the outer edge of the second monitor"
echo "ok: slid away at the outer edge"

# The desktop shrinks to one 1280x800 monitor (S unplugged, P's resolution lowered; Xvfb's
# screen keeps its size, the rest of it lies on no monitor).
xrandr --delmonitor S >/dev/null
xrandr --delmonitor P >/dev/null
xrandr --setmonitor '*P' 1280/338x800/211+0+0 screen >/dev/null
xrandr --listmonitors
sleep 1
[ "$(map_state)" = IsUnMapped ] || fail "after the change the window should still be slid away"
# Its sliver stands at the matching edge of the monitor left; touching it brings the window back
# docked there, wholly on the screen.
if [ "$layout" = right ]; then touch_x=1278; back_x=$((1280 - 442)); else touch_x=1; back_x=0; fi
shot shrunk
column="3x300+$((touch_x - 1))+350"
lit=$(differing shrunk "$column" shrunk "3x300+640+350")
[ "$lit" -gt 600 ] || fail "no sliver at the edge of the monitor left ($lit pixels)"
xdotool mousemove --sync "$touch_x" 500
wait_state IsViewable "touching the sliver after the screen change"
read -r bx by < <(position)
[ "$bx" = "$back_x" ] || fail "back at x = $bx, expected $back_x"
((by >= 0 && by + 433 <= 800)) || fail "back at y = $by, not wholly on the 800-pixel screen"
echo "ok: after the screen shrank the window came back docked at x = $bx, y = $by"
echo "ok: all"
