# A private X desktop for tests and measurements: Xvfb on a free display, optionally a window
# manager. Source it, then call `desktop_start WxH [--no-wm]`; `desktop_stop` ends both (call it
# from your EXIT trap). Safe under `set -euo pipefail`.
#
# ORVANE_WM picks the window manager: openbox (the default), xfwm4 (compositor off) or mutter
# (X11 mode, in its own D-Bus session). `desktop_wm_available` tells whether it is installed.
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

desktop_display_ready() { [ -s "$desktop_dir/display" ]; }
desktop_server_answers() { xprop -root >/dev/null 2>&1; }
desktop_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

desktop_try_start() {  # desktop_try_start WxH WITH_WM
  : >"$desktop_dir/display"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$desktop_dir/display" \
    2>"$desktop_dir/xvfb.log" &
  desktop_pids+=($!)
  wait_until 15 desktop_display_ready || return 1
  export DISPLAY=":$(head -n1 "$desktop_dir/display")"
  wait_until 15 desktop_server_answers || return 1
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
  xdotool mousemove --sync $((x + $2)) $((y + $3))
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
