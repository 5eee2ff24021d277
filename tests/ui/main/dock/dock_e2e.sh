#!/usr/bin/env bash
# Drags a real window under Xvfb and a window manager (ORVANE_WM: openbox, xfwm4 or mutter): a
# drop near the left, right or top edge snaps it there, the pointer crossing the far strip slides
# it away to a sliver, the sliver brings it back; L_Mini minimises it and a restore brings back
# the borderless calculator. With ORVANE_TRAY=tint2 a panel with a notification area runs and the
# restore is a left click on the program's icon embedded there.
# Usage: dock_e2e.sh PROGRAM [ARGS...]   (the program prints "window <id>" once shown)
set -euo pipefail

for tool in Xvfb xdotool xwininfo xprop import compare; do
    command -v "$tool" >/dev/null || { echo "skip: $tool missing"; exit 77; }
done

# shellcheck source=../../../lib/desktop_session.sh
source "$(dirname "$0")/../../../lib/desktop_session.sh"

workdir="$(mktemp -d)"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    desktop_stop
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

desktop_wm_available || { echo "skip: window manager $(desktop_wm) missing"; exit 77; }
desktop_start 1280x800 || { echo "FAIL: no X server with $(desktop_wm) could be started"; exit 1; }

# The tray must own its selection before the program starts: the program asks once, at load.
tray="${ORVANE_TRAY:-}"
if [ -n "$tray" ]; then
    [ "$tray" = tint2 ] || { echo "FAIL: unknown tray $tray"; exit 1; }
    # A panel along the bottom holding only the notification area.
    desktop_start_panel S
fi

QT_QPA_PLATFORM=xcb "$@" >"$workdir/app.log" 2>&1 &
pids+=($!)
desktop_wait_for_window "$workdir/app.log" || exit 1
wait_until 5 desktop_window_managed "$wid" || true

position() {  # prints "X Y" of the window's top-left corner on the screen
    xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
x_is() { read -r got _ < <(position); [ "$got" = "$1" ]; }  # leaves the x read in $got
expect_x() {  # expect_x WANT WHAT
    local got
    wait_until 3 x_is "$1" && { echo "ok: $2 (x = $got)"; return 0; }
    echo "FAIL: $2: x = $got, expected $1"
    echo "--- program output"; cat "$workdir/app.log"; cat "$desktop_dir/wm.log"
    exit 1
}

read -r x0 y0 < <(position)
echo "window $wid at $x0,$y0"

# A quick click on the top strip must not leave a move running: afterwards the window stays
# where it is while the pointer wanders.
xdotool mousemove --sync $((x0 + 133)) $((y0 + 12)) click 1
sleep 0.3
xdotool mousemove --sync $((x0 + 300)) $((y0 + 300))
sleep 0.2
xdotool mousemove --sync 5 5
sleep 0.3
read -r xq yq < <(position)
if [ "$xq,$yq" != "$x0,$y0" ]; then
    echo "FAIL: a quick click left the window following the pointer: $xq,$yq (was $x0,$y0)"
    cat "$workdir/app.log"; exit 1
fi
echo "ok: a quick click moves nothing"

# Reference shots are taken with the pointer away from the window, so that no hover marks
# differ. Judged by what is on the screen: the window's place and map state as the server has them,
# and the screen's pixels.
map_state() { xwininfo -id "$wid" | awk '/Map State/ {print $NF}'; }
# ORVANE_E2E_SHOTS=DIR keeps every screenshot there, named by the window manager.
shot() {
    import -window root "$workdir/$1.png"
    if [ -n "${ORVANE_E2E_SHOTS:-}" ]; then
        mkdir -p "$ORVANE_E2E_SHOTS"
        cp "$workdir/$1.png" "$ORVANE_E2E_SHOTS/$(desktop_wm)-$((++shot_count))-$1.png"
    fi
}
shot_count=0
# differing SHOT_A CROP_A SHOT_B CROP_B: how many pixels of the two crops differ.
differing() {
    { compare -metric AE "$workdir/$1.png[$2]" "$workdir/$3.png[$4]" null: 2>&1 || true; } |
        awk '{print int($1)}'
}
map_state_is() { [ "$(map_state)" = "$1" ]; }
wait_state() {  # wait_state STATE WHAT
    wait_until 3 map_state_is "$1" && return 0
    echo "FAIL: $2: map state $(map_state), expected $1"; cat "$workdir/app.log"; exit 1
}

# drag_to X Y: grabs the logo (820, 1940 in twips) and drops the window's corner at X, Y. Not
# the top strip: a docked window slides away when the pointer moves over it.
grip_x=55
grip_y=129
drag_to() { desktop_drag_window "$wid" "$grip_x" "$grip_y" "$1" "$2"; }

# slide_check EDGE ROW_OR_COLUMN: the pointer has just left through a strip. The window must be
# gone from the screen and a 50-twip sliver (3 pixels) of it left at the edge, showing the
# window's own pixels of that place; touching the sliver brings the window back where it was.
slide_check() {
    local edge=$1 wx=$2 wy=$3 sliver shown_crop touch
    wait_state IsUnMapped "$edge: the slid-away window is off the screen"
    sleep 0.3
    shot hidden
    case "$edge" in
        left) sliver="3x400+0+$((wy + 16))"; shown_crop="3x400+439+$((wy + 16))"; touch="1 $((wy + 200))" ;;
        right) sliver="3x400+1277+$((wy + 16))"; shown_crop="3x400+$wx+$((wy + 16))"; touch="1278 $((wy + 200))" ;;
        top) sliver="420x3+$((wx + 10))+0"; shown_crop="420x3+$((wx + 10))+430"; touch="$((wx + 200)) 1" ;;
    esac
    local off body
    off=$(differing hidden "$sliver" shown "$shown_crop")
    [ "$off" -eq 0 ] || { echo "FAIL: $edge: the sliver differs from the window's edge in $off pixels"; exit 1; }
    body=$(differing hidden "400x300+$((wx + 20))+$((wy + 60))" shown "400x300+$((wx + 20))+$((wy + 60))")
    [ "$body" -gt 60000 ] || { echo "FAIL: $edge: only $body of 120000 pixels changed: the window is still on the screen"; exit 1; }
    echo "ok: $edge: slid away, a 3-pixel sliver showing the window's edge stays ($body pixels gone)"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $touch
    wait_state IsViewable "$edge: touching the sliver"
    local got
    at_place() { got="$(position)"; [ "$got" = "$1" ]; }
    wait_until 3 at_place "$wx $wy" || true
    [ "$got" = "$wx $wy" ] || { echo "FAIL: $edge: back at $got, expected $wx $wy"; exit 1; }
    sleep 0.3
    shot back
    body=$(differing back "400x300+$((wx + 20))+$((wy + 60))" shown "400x300+$((wx + 20))+$((wy + 60))")
    [ "$body" -lt 200 ] || { echo "FAIL: $edge: back, but $body pixels differ from before"; exit 1; }
    echo "ok: $edge: touching the sliver brought the window back to $got"
}

# Left: dropped 10 pixels from the left edge, it snaps to x = 0 and leaves through the right
# strip (6491..6604 twips: pixels 433..440).
drag_to 10 "$y0"
expect_x 0 "dropped 10 pixels from the left edge, docked at the left"
echo "ok: $(grep '^drag by' "$workdir/app.log" | head -n1)"
read -r _ yl < <(position)
row=$((yl + 200))
xdotool mousemove --sync 700 700
sleep 0.3
shot shown
xdotool mousemove --sync 200 "$row"
sleep 0.1
xdotool mousemove --sync 436 "$row"
sleep 0.1
xdotool mousemove --sync 520 "$row"
slide_check left 0 "$yl"

# Right: dropped 10 pixels from the right edge of the 1280-pixel screen, it snaps to
# x = 1280 - 442 and leaves through the left strip (23..165 twips: pixels 2..10).
drag_to $((1280 - 442 - 10)) "$yl"
expect_x 838 "dropped 10 pixels from the right edge, docked at the right"
read -r _ yr < <(position)
row=$((yr + 200))
xdotool mousemove --sync 100 700
sleep 0.3
shot shown
xdotool mousemove --sync 1000 "$row"
sleep 0.1
xdotool mousemove --sync 844 "$row"
sleep 0.1
xdotool mousemove --sync 700 "$row"
slide_check right 838 "$yr"

# Top: dropped 8 pixels below the top edge, it snaps to y = 0 and leaves through the bottom
# strip (6300..6465 twips: pixels 420..430).
drag_to 400 8
at_top_edge() { read -r xt yt < <(position); [ "$yt" = 0 ]; }
wait_until 3 at_top_edge || true
[ "$yt" = 0 ] || { echo "FAIL: dropped near the top, y = $yt"; exit 1; }
echo "ok: dropped near the top, docked at the top (y = 0)"
xdotool mousemove --sync 100 700
sleep 0.3
shot shown
xdotool mousemove --sync $((xt + 200)) 200
sleep 0.1
xdotool mousemove --sync $((xt + 200)) 425
sleep 0.1
xdotool mousemove --sync $((xt + 200)) 520
slide_check top "$xt" 0

# L_Mini (window pixels 368..400 of the title row): minimised with the caption; restored by the
# window manager, it comes back borderless with an empty caption at the calculator size.
wm_state() { xprop -id "$wid" WM_STATE | awk '/window state/ {print $NF}'; }
wm_state_is() { [ "$(wm_state)" = "$1" ]; }
read -r xm ym < <(position)
xdotool mousemove --sync $((xm + 385)) $((ym + 10))
sleep 0.2
xdotool click 1
wait_until 3 wm_state_is Iconic || true
[ "$(wm_state)" = "Iconic" ] || { echo "FAIL: L_Mini did not minimise"; exit 1; }
xprop -id "$wid" WM_NAME | grep -q '"Orvane桌面计算器"' || { echo "FAIL: caption while minimised"; xprop -id "$wid" WM_NAME; exit 1; }
net_state() { xprop -id "$wid" _NET_WM_STATE; }
if net_state | grep -q SKIP_TASKBAR; then
    echo "FAIL: minimised, the window still skips the taskbar: $(net_state)"; exit 1
fi
xprop -id "$wid" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' ||
    { echo "FAIL: minimised, not an ordinary window: $(xprop -id "$wid" _NET_WM_WINDOW_TYPE)"; exit 1; }
# _NET_WM_ICON as numbers: width, height, then width * height pixels (more images may follow).
icon_check="$(xprop -id "$wid" -f _NET_WM_ICON 32c ' $0+' _NET_WM_ICON |
    awk '{gsub(/,/, " "); w = $2; h = $3; n = NF - 1} END {print (w > 0 && h > 0 && n >= 2 + w * h) ? w "x" h " in " n " words" : "none"}')"
[ "$icon_check" != none ] || { echo "FAIL: minimised without an icon: $(xprop -id "$wid" -f _NET_WM_ICON 32c ' $0+' _NET_WM_ICON | head -c 200)"; exit 1; }
echo "ok: L_Mini minimised the window with its caption and an icon ($icon_check), an ordinary taskbar entry"
if [ -n "$tray" ]; then
    icon=""
    for _ in $(seq 50); do icon="$(desktop_tray_icon "$(basename "$1")" "$wid")"; [ -n "$icon" ] && break; sleep 0.1; done
    [ -n "$icon" ] || { echo "FAIL: no icon of the program in the panel"; xwininfo -root -tree; cat "$workdir/app.log"; exit 1; }
    read -r icon_id icon_x icon_y <<<"$icon"
    echo "ok: tray icon $icon_id at $icon_x,$icon_y"
    xdotool mousemove --sync $((icon_x + 12)) $((icon_y + 12))
    sleep 0.2
    xdotool click 1
else
    xdotool windowactivate "$wid" 2>/dev/null || true
fi
wait_until 3 wm_state_is Normal || true
wait_until 3 map_state_is IsViewable || true
# The window takes its borderless shape back once the window manager has restored it.
window_size() { xwininfo -id "$wid" | awk '/^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w "x" h}'; }
shape_back() {
    xprop -id "$wid" WM_NAME | grep -qE '= ("")?$' && [ "$(window_size)" = "442x433" ] &&
        xprop -id "$wid" _MOTIF_WM_HINTS | grep -q '0x2, 0x1, 0x0'
}
wait_until 3 shape_back || true
[ "$(wm_state)" = "Normal" ] || { echo "FAIL: not restored${tray:+ by a click on the tray icon}"; exit 1; }
[ "$(map_state)" = IsViewable ] || { echo "FAIL: restored but not mapped: $(map_state)"; exit 1; }
xprop -id "$wid" WM_NAME | grep -qE '= ("")?$' || { echo "FAIL: caption after restore"; xprop -id "$wid" WM_NAME; exit 1; }
size="$(window_size)"
[ "$size" = "442x433" ] || { echo "FAIL: restored size $size"; exit 1; }
xprop -id "$wid" _MOTIF_WM_HINTS | grep -q '0x2, 0x1, 0x0' || { echo "FAIL: restored with a frame"; exit 1; }
above_off_taskbar() { net_state | grep -q SKIP_TASKBAR && net_state | grep -q ABOVE; }
wait_until 5 above_off_taskbar || true
net_state | grep -q SKIP_TASKBAR && net_state | grep -q ABOVE ||
    { echo "FAIL: restored, but not above and off the taskbar: $(net_state)"; exit 1; }
echo "ok: restored borderless, caption empty, $size, above, no taskbar button"
echo "ok: all"
