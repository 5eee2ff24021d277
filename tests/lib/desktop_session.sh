# A private X desktop for tests and measurements: Xvfb on a free display, optionally a window
# manager. Source it, then call `desktop_start WxH [--no-wm]`; `desktop_stop` ends both (call it
# from your EXIT trap). Safe under `set -euo pipefail`.
#
# ORVANE_WM picks the window manager: openbox (the default), xfwm4 (compositor off), mutter
# (X11 mode) or kwin (KDE's, X11 mode, Breeze frames), the last three on a private session bus.
# `desktop_wm_available` tells whether it is installed.
#
# Other programs may start X servers at the same moment: a failed attempt is retried.

desktop_pids=()
desktop_dir=""

# Runs "$@" every 0.1 s until it succeeds or TIMEOUT seconds have passed.
wait_until() {
  local timeout=$1
  shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    ((SECONDS >= deadline)) && return 1
    sleep 0.1
  done
}

desktop_server_answers() { xprop -root >/dev/null 2>&1; }
desktop_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A display number of our own: where X servers share /tmp but not their lock files, a server
# started on a number in use comes up half reachable (clients may reach the other one), so a
# random number is taken and a server that found its number in use is given up.
desktop_number_clash() {
  grep -qE 'already running|already active' "$desktop_dir/xvfb.log" ||
    ! kill -0 "${desktop_pids[-1]}" 2>/dev/null
}

desktop_try_start() {  # desktop_try_start WxH WITH_WM
  local number=$((200 + RANDOM % 5000))
  echo "$number" >"$desktop_dir/display"
  Xvfb ":$number" -screen 0 "${1}x24" -nolisten tcp 2>"$desktop_dir/xvfb.log" &
  desktop_pids+=($!)
  export DISPLAY=":$number"
  wait_until 15 desktop_server_answers || return 1
  sleep 0.2
  ! desktop_number_clash || return 1
  [ "$2" = yes ] || return 0
  desktop_start_bus || return 1
  desktop_launch_wm >"$desktop_dir/wm.log" 2>&1 &
  desktop_pids+=($!)
  wait_until 20 desktop_wm_ready
}

desktop_wm() { echo "${ORVANE_WM:-openbox}"; }

desktop_wm_available() {
  case "$(desktop_wm)" in
    openbox) command -v openbox >/dev/null ;;
    xfwm4) command -v xfwm4 >/dev/null && command -v dbus-run-session >/dev/null ;;
    mutter) command -v mutter >/dev/null && command -v dbus-run-session >/dev/null ;;
    kwin) command -v kwin_x11 >/dev/null && command -v dbus-daemon >/dev/null ;;
    *) return 1 ;;
  esac
}

desktop_bus_ready() { [ -s "$desktop_dir/bus" ]; }

# xfwm4 and mutter want a session bus: a private one that desktop_stop ends with the rest.
desktop_start_bus() {
  [ "$(desktop_wm)" = openbox ] && return 0
  : >"$desktop_dir/bus"
  dbus-daemon --session --nofork --print-address=3 3>"$desktop_dir/bus" \
    >"$desktop_dir/bus.log" 2>&1 &
  desktop_pids+=($!)
  wait_until 10 desktop_bus_ready
}

# Runs the chosen window manager in the foreground (exec: its pid is the one we stop). No
# accessibility bus: it would outlive the desktop.
desktop_launch_wm() {
  if [ -s "$desktop_dir/bus" ]; then
    DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$desktop_dir/bus")"
    export DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE=1 GTK_A11Y=none
  fi
  case "$(desktop_wm)" in
    openbox) exec openbox --sm-disable ;;
    xfwm4) exec xfwm4 --compositor=off --sm-client-disable ;;
    mutter) exec mutter --x11 --replace --sm-disable ;;
    # Its own Qt must not pick up the platform or scale the tests set for the program.
    kwin) exec env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR kwin_x11 --replace ;;
    *) echo "unknown window manager $(desktop_wm)" >&2; return 1 ;;
  esac
}

desktop_stop() {
  local i
  for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
    kill "${desktop_pids[i]}" 2>/dev/null || true
    wait "${desktop_pids[i]}" 2>/dev/null || true
  done
  desktop_pids=()
  if [ -n "$desktop_dir" ]; then
    rm -rf "$desktop_dir"
  fi
  desktop_dir=""
}

# desktop_start WxH [--no-wm]: exports DISPLAY and the X11 platform for Qt programs.
desktop_start() {
  local size=$1 wm=yes attempt
  [ "${2:-}" = --no-wm ] && wm=no
  desktop_dir=$(mktemp -d)
  for attempt in 1 2 3; do
    desktop_try_start "$size" "$wm" && break
    echo "attempt $attempt to start the X desktop failed" >&2
    cat "$desktop_dir/xvfb.log" "$desktop_dir/wm.log" 2>/dev/null >&2 || true
    local keep=$desktop_dir
    desktop_dir=""
    desktop_stop
    desktop_dir=$keep
    [ "$attempt" -eq 3 ] && return 1
  done
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
}

# The window id a test program prints as "window <id>" once its window is shown, read from
# LOG within 10 s into $wid; fails (printing the log) when it never comes.
desktop_wait_for_window() {
  wid=""
  wait_until 10 desktop_window_reported "$1" && return 0
  echo "FAIL: window never appeared"
  cat "$1"
  return 1
}
desktop_window_reported() {
  wid="$(sed -n 's/^window //p' "$1")"
  [ -n "$wid" ]
}

# Whether window $1 is on the screen and the window manager has taken it in (WM_STATE set).
desktop_window_managed() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' &&
    xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state'
}

# Whether the clipboard holds exactly $1.
desktop_clipboard_is() {
  [ "$(xclip -o -selection clipboard 2>/dev/null || true)" = "$1" ]
}

# desktop_drag_window WID GRIP_X GRIP_Y X Y: presses at the grip (window pixels) and drops the
# window's corner at X, Y in small steps. No --sync while the window manager holds the pointer:
# it may never report the move.
desktop_drag_window() {
  local x y step
  read -r x y < <(xwininfo -id "$1" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  # --sync waits for the pointer to move, in vain when it is there already.
  if [ "$(xdotool getmouselocation | cut -d' ' -f1-2)" != "x:$((x + $2)) y:$((y + $3))" ]; then
    xdotool mousemove --sync $((x + $2)) $((y + $3))
  fi
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((x + $2 + ($4 - x) * step / 8)) $((y + $3 + ($5 - y) * step / 8))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

# desktop_require TOOL...: skips the test (77) when a tool is missing.
desktop_require() {
  local tool
  for tool in Xvfb xdotool xwininfo "$@"; do
    command -v "$tool" >/dev/null || { echo "skip: $tool missing"; exit 77; }
  done
  desktop_wm_available || { echo "skip: window manager $(desktop_wm) missing"; exit 77; }
}

# desktop_test_program WxH PROGRAM [ARGS...]: the usual start of an e2e script. Starts the
# desktop, then PROGRAM with its output in $workdir/app.log, waits for its window ($wid; the
# program's pid is $app) and removes all of it when the script exits.
desktop_test_program() {
  workdir="$(mktemp -d)"
  app=""
  trap desktop_test_cleanup EXIT
  desktop_start "$1" || { echo "FAIL: no X server with $(desktop_wm) could be started"; exit 1; }
  shift
  "$@" >"$workdir/app.log" 2>&1 &
  app=$!
  desktop_wait_for_window "$workdir/app.log" || exit 1
  wait_until 5 desktop_window_managed "$wid" || true
}
desktop_test_cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  desktop_stop
  wait 2>/dev/null || true
  rm -rf "$workdir"
}

# desktop_panel_up ITEMS: the panel is there, with its notification area when ITEMS has one.
desktop_panel_up() {
  if [[ $1 == *S* ]]; then
    grep -q 'systray started' "$desktop_dir/tint2.log"
  else
    xwininfo -root -tree 2>/dev/null | grep -q '"tint2"'
  fi
}

# desktop_start_panel ITEMS: a 32-pixel tint2 panel along the bottom of the primary monitor with
# ITEMS (tint2's panel_items: S the notification area, T a taskbar). Skips (77) without tint2.
# Start it before the program: the program looks for a notification area once, at load.
desktop_start_panel() {
  command -v tint2 >/dev/null || { echo "skip: tint2 missing"; exit 77; }
  # Background 1, grey, marks each task button of a taskbar.
  cat >"$desktop_dir/tint2rc" <<PANEL
rounded = 0
border_width = 0
background_color = #808080 100
task_background_id = 1
task_active_background_id = 1
task_iconified_background_id = 1
task_maximum_size = 150 28
task_text = 1
task_font_color = #ffffff 100
panel_items = $1
panel_size = 100% 32
panel_position = bottom center horizontal
panel_monitor = primary
panel_layer = top
strut_policy = follow_size
systray_padding = 4 4 4
systray_icon_size = 24
PANEL
  tint2 -c "$desktop_dir/tint2rc" >"$desktop_dir/tint2.log" 2>&1 &
  desktop_pids+=($!)
  wait_until 20 desktop_panel_up "$1" ||
    { echo "FAIL: tint2 did not start"; cat "$desktop_dir/tint2.log"; exit 1; }
}

# desktop_tray_icon NAME MAIN_WID: prints "ID X Y" of the icon window of program NAME embedded in
# the panel (not its main window, at most 64 pixels square, in the bottom 40 pixels of the
# screen); nothing while there is none.
desktop_tray_icon() {
  local bottom
  bottom=$(xwininfo -root | awk '/^  Height/ {print $NF}')
  { xwininfo -root -tree || true; } | awk -v name="\"$1\":" -v main="$(printf '0x%x' "$2")" \
    -v low=$((bottom - 40)) '
        $2 == name && $1 != main {
            for (i = 3; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, g, /[x+]/); a = $(i + 1) }
            split(a, p, "+")
            if (g[1] <= 64 && g[2] <= 64 && p[3] >= low && !found) { print $1, p[2], p[3]; found = 1 }
        }'
}
