#!/usr/bin/env bash
# End-to-end: the real desktop program on its own X server (Xvfb) under a real window
# manager (ORVANE_WM: openbox, xfwm4 or mutter), driven with
# real key presses (XTEST through xdotool). It checks the first window chosen by the command
# line, the switches F2 -> F1 -> F7 -> F1 with one calculator window at a time, the captions,
# Alt+F4, and the error box of an invalid command line.
#
# Windows are told apart by their X11 WM_WINDOW_ROLE, which the program sets to the window's
# class name (Tallybox, BDS, House); the main window's caption stays empty while it is
# borderless, so the caption alone cannot name it.
#
# Usage: switching_e2e.sh PATH/TO/orvane-calculator
set -u

calculator=${1:?usage: switching_e2e.sh PATH/TO/orvane-calculator}
for tool in Xvfb xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"
if ! desktop_wm_available; then
  echo "SKIP: window manager $(desktop_wm) is not installed"
  exit 77
fi

work=$(mktemp -d)
app_pid=""
failures=0

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

desktop_start 1280x1024 || { echo "FAIL: no X server"; exit 1; }
echo "X server $DISPLAY with $(desktop_wm)"

# --- Queries about the program's windows.
role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }

# "ID ROLE" per visible top-level window of the running program.
visible_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    echo "$id $(role_of "$id")"
  done
}

# Succeeds when exactly one window of the program is visible and it has role $1;
# sets $current_id to it.
only_window_is() {
  local lines
  lines=$(visible_windows)
  [ "$(printf '%s\n' "$lines" | grep -c .)" -eq 1 ] || return 1
  [ "${lines#* }" = "$1" ] || return 1
  current_id=${lines%% *}
}

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

process_gone() { ! kill -0 "$app_pid" 2>/dev/null; }

start_calculator() {
  "$calculator" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}

# Gives $1 the keyboard focus, then presses key $2 as a real key event.
press_in() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" 2>/dev/null
  focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
  wait_until 5 focus_is "$1" || xdotool windowfocus "$1" 2>/dev/null
  xdotool key --clearmodifiers "$2"
}

# The main window's own caption is empty while it is borderless; Qt never publishes an empty
# X11 window name and shows the application name instead, so that is what an empty caption
# looks like here (any caption the window set would replace it).
declare -A caption=([Tallybox]="orvane-calculator" [BDS]="Orvane表达式计算器"
                    [House]="Orvane按揭贷款计算器")

check_window() {
  local role=$1 step=$2
  if ! wait_until 15 only_window_is "$role"; then
    fail "$step: expected only $role to be visible, saw: $(visible_windows | tr '\n' ';')"
    return 1
  fi
  local name
  name=$(xdotool getwindowname "$current_id" 2>/dev/null)
  if [ "$name" != "${caption[$role]}" ]; then
    fail "$step: caption of $role is '$name', expected '${caption[$role]}'"
  fi
  echo "ok: $step -> $role ('$name')"
}

# --- 1. No options: the main window, then F2 -> F1 -> F7 -> F1, then Alt+F4 ends the program.
start_calculator
if check_window Tallybox "start without options"; then
  for step in "F2 BDS" "F1 Tallybox" "F7 House" "F1 Tallybox"; do
    key=${step% *}
    target=${step#* }
    press_in "$current_id" "$key"
    check_window "$target" "key $key" || break
    # The window manager must hand the shown window the focus: typing goes on without a click.
    if ! wait_until 5 active_is "$current_id"; then
      fail "key $key: $target is not the active window (active: $(xdotool getactivewindow 2>/dev/null))"
    fi
  done
  press_in "$current_id" alt+F4
  if wait_until 10 process_gone; then
    wait "$app_pid"
    status=$?
    [ "$status" -eq 0 ] || fail "Alt+F4: exit status $status"
    echo "ok: Alt+F4 ended the program (status $status)"
  else
    fail "Alt+F4 did not end the program"
  fi
fi
kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""

# --- 2. Options that open another first window.
for case in "/f2/ac BDS" "/F7 House" "/ac/c2 Tallybox"; do
  options=${case% *}
  role=${case#* }
  start_calculator "$options"
  check_window "$role" "start with $options"
  kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""
done

# --- 3. An invalid command line: only the error box; OK ends the program with a failure status.
start_calculator /f2/f3
box_shown() {
  local ids
  ids=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null) || return 1
  [ "$(printf '%s\n' "$ids" | grep -c .)" -eq 1 ] || return 1
  current_id=$ids
  [ "$(xdotool getwindowname "$ids")" = "参数错误" ]
}
if wait_until 15 box_shown; then
  echo "ok: /f2/f3 shows only the box '参数错误'"
  [ -z "$(role_of "$current_id")" ] || fail "a calculator window came up behind the error box"
  press_in "$current_id" Return
  if wait_until 10 process_gone; then
    wait "$app_pid"
    status=$?
    [ "$status" -ne 0 ] || fail "the rejected command line ended with status 0"
    echo "ok: closing the box ended the program (status $status)"
  else
    fail "closing the error box did not end the program"
  fi
else
  fail "/f2/f3: no error box, saw: $(visible_windows | tr '\n' ';')"
fi
kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"; echo "--- program output:"; cat "$work/app.log"
  exit 1
fi
echo "all end-to-end checks passed"
