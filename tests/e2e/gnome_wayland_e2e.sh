#!/usr/bin/env bash
# The real program in GNOME's Wayland session: mutter as a headless Wayland compositor with
# XWayland, where the program runs, and input through mutter's remote-desktop bus API. Checks
# a drop near the left edge that docks as soon as the button is released (no further motion),
# the slide away and back, and F2 then F1, each new window with the keyboard focus.
# mutter picks XWayland's display number itself, so this test runs serially.
# Usage: gnome_wayland_e2e.sh PATH/TO/orvane-calculator
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" != --inside ]; then
  calculator=${1:?usage: gnome_wayland_e2e.sh PATH/TO/orvane-calculator}
  for tool in mutter Xwayland dbus-run-session xdotool xwininfo xprop import; do
    command -v "$tool" >/dev/null || { echo "skip: $tool missing"; exit 77; }
  done
  /usr/bin/python3 -c 'import gi' 2>/dev/null || { echo "skip: python3-gi missing"; exit 77; }
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  chmod 700 "$XDG_RUNTIME_DIR"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  # mutter runs the inner part once its displays are up, with DISPLAY and WAYLAND_DISPLAY set,
  # and ends with it.
  dbus-run-session -- mutter --wayland --headless --virtual-monitor 1280x800 -- \
    "$0" --inside "$calculator" >"$XDG_RUNTIME_DIR/out" 2>"$XDG_RUNTIME_DIR/mutter.log" || true
  cat "$XDG_RUNTIME_DIR/out"
  grep -q '^ok: all$' "$XDG_RUNTIME_DIR/out" && exit 0
  echo "--- mutter"; tail -n 20 "$XDG_RUNTIME_DIR/mutter.log"
  exit 1
fi

calculator=$2
work="$(mktemp -d)"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "${INPUT_PID:-}" ] && kill "$INPUT_PID" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output"; cat "$work/app.log"
  exit 1
}
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS >= deadline)) && return 1
    sleep 0.1
  done
}
echo "XWayland on $DISPLAY, Wayland on $WAYLAND_DISPLAY"

coproc INPUT { /usr/bin/python3 "$here/remote_input.py"; }
send() {
  echo "$*" >&"${INPUT[1]}"
  read -r _ <&"${INPUT[0]}" || fail "the input driver ended"
}

role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }
shown_role_is() {  # sets $wid to the program's one visible window with role $1
  local id
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [ "$(role_of "$id")" = "$1" ] && { wid=$id; return 0; }
  done
  return 1
}
active_is_wid() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$wid" ]; }
position() {
  xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
map_state() { xwininfo -id "$wid" | awk '/Map State/ {print $NF}'; }
at_x() { [ "$(position | cut -d' ' -f1)" = "$1" ]; }
is_state() { [ "$(map_state)" = "$1" ]; }
shot() {
  if [ -n "${ORVANE_E2E_SHOTS:-}" ]; then
    mkdir -p "$ORVANE_E2E_SHOTS"
    import -window "$wid" "$ORVANE_E2E_SHOTS/gnome-wayland-$1.png" || true
  fi
}

"$calculator" >"$work/app.log" 2>&1 &
app=$!
wait_until 20 shown_role_is Tallybox || fail "the main window never came up"
wait_until 5 active_is_wid || fail "the main window does not have the focus"
sleep 0.5
shot start
read -r x y < <(position)
echo "ok: started at $x,$y with the focus"

# Dropped 10 pixels from the left edge by the logo (55, 129): docked at x = 0 as soon as the
# button is up, with the pointer held still.
send move $((x + 55)) $((y + 129))
send sleep 0.2
send down
send sleep 0.2
send move 65 $((y + 129))
send sleep 0.2
send up
wait_until 2 at_x 0 || fail "released 10 pixels from the left edge, the window stays at $(position)"
echo "ok: docked at the left edge when the button came up"
shot docked

# The pointer leaves through the right strip (pixels 433..440): slid away; it touches the
# sliver at the left edge: back.
send move 200 $((y + 200))
send move 436 $((y + 200))
send move 540 $((y + 200))
wait_until 3 is_state IsUnMapped || fail "the pointer left the docked window, it did not slide away"
send move 1 $((y + 200))
wait_until 3 is_state IsViewable || fail "touching the sliver did not bring the window back"
wait_until 2 at_x 0 || fail "back at $(position), expected x = 0"
echo "ok: slid away and back"

# F2 then F1, typed right after the window came back: each window comes up with the focus.
send key F2
wait_until 10 shown_role_is BDS || fail "F2 did not open the expression calculator"
wait_until 5 active_is_wid || fail "the expression calculator does not have the focus"
send key F1
wait_until 10 shown_role_is Tallybox || fail "F1 did not bring the main window back"
wait_until 5 active_is_wid || fail "the main window does not have the focus after F1"
shot back
echo "ok: F2 and F1, each window with the focus"
echo "ok: all"
