#!/usr/bin/env bash
# The main window never has a taskbar button: a tint2 taskbar along the bottom of the screen
# stays empty while the calculator is shown, from its first map, after the mini strip is
# restored, and after a switch to the expression calculator and back (F2, F1). The mini strip
# itself has its button. Judged by the panel's pixels and the window's _NET_WM_STATE.
# Usage: taskbar_e2e.sh PATH/TO/orvane-calculator   (ORVANE_WM picks the window manager)
set -euo pipefail

calculator=${1:?usage: taskbar_e2e.sh PATH/TO/orvane-calculator}
# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"
desktop_require xprop import compare tint2

work=$(mktemp -d)
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  desktop_stop
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output"; cat "$work/app.log"
  exit 1
}

desktop_start 1280x800 || { echo "FAIL: no X server with $(desktop_wm) could be started"; exit 1; }
desktop_start_panel T
panel_crop="1280x32+0+768"
sleep 1
import -window root "$work/empty.png"

role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }
# Sets $wid to the program's one visible window with role $1.
shown_role_is() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$(role_of "$id")" = "$1" ] && { wid=$id; return 0; }
  done
  return 1
}
wm_state() { xprop -id "$wid" WM_STATE | awk '/window state/ {print $NF}'; }
is_state() { [ "$(wm_state)" = "$1" ]; }
skips_taskbar() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; }
# Pixels of the panel that differ from the empty panel's.
panel_change() {
  import -window root "$work/now.png"
  { compare -metric AE "$work/now.png[$panel_crop]" "$work/empty.png[$panel_crop]" null: 2>&1 ||
    true; } | awk '{print int($1)}'
}
panel_empty() { [ "$(panel_change)" -le 20 ]; }
panel_has_button() { [ "$(panel_change)" -gt 200 ]; }
no_button() {  # no_button WHEN
  wait_until 5 skips_taskbar || fail "$1: _NET_WM_STATE lacks SKIP_TASKBAR: $(xprop -id "$wid" _NET_WM_STATE)"
  sleep 0.5
  panel_empty || fail "$1: the taskbar shows a button ($(panel_change) pixels changed)"
  echo "ok: $1: no taskbar button"
}
press_in() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key --clearmodifiers "$2"
}

"$calculator" >"$work/app.log" 2>&1 &
app_pid=$!
wait_until 15 shown_role_is Tallybox || fail "the main window never came up"
no_button "first map"

# L_Mini (window pixels 368..400 of the title row): the strip has its button.
read -r x y < <(xwininfo -id "$wid" |
  awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
xdotool mousemove --sync $((x + 385)) $((y + 10)) click 1
wait_until 5 is_state Iconic || fail "L_Mini did not minimise"
wait_until 5 panel_has_button || fail "the mini strip has no taskbar button ($(panel_change) pixels changed)"
echo "ok: the mini strip has a taskbar button"
xdotool windowactivate "$wid" 2>/dev/null || true
wait_until 5 is_state Normal || fail "the mini strip was not restored"
no_button "restored from the mini strip"

press_in "$wid" F2
wait_until 15 shown_role_is BDS || fail "F2 did not open the expression calculator"
press_in "$wid" F1
wait_until 15 shown_role_is Tallybox || fail "F1 did not bring the main window back"
no_button "F2 then F1"
echo "ok: all"
