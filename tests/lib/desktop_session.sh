# A private X desktop for tests and measurements: Xvfb on a free display, optionally openbox.
# Source it, then call `desktop_start WxH [--no-wm]`; `desktop_stop` ends both (call it from
# your EXIT trap). Safe under `set -euo pipefail`.
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
  openbox --sm-disable >"$desktop_dir/openbox.log" 2>&1 &
  desktop_pids+=($!)
  wait_until 15 desktop_wm_ready
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
    cat "$desktop_dir/xvfb.log" "$desktop_dir/openbox.log" 2>/dev/null >&2 || true
    local keep=$desktop_dir
    desktop_dir=""
    desktop_stop
    desktop_dir=$keep
    [ "$attempt" -eq 3 ] && return 1
  done
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
}
