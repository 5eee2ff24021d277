#!/usr/bin/env bash
# End-to-end: House on its own X server (Xvfb) under openbox, driven through xdotool: a typed
# loan, 计算, then 还款明细 reached with Tab and pressed with the space bar opens the schedule
# window from its module. A screenshot of the screen is kept for a person to look at.
#
# Usage: schedule_e2e.sh PATH/TO/orvane_house_show PATH/TO/orvane-mortgage-schedule.so SHOT.png
set -u

program=${1:?usage: schedule_e2e.sh HOUSE_SHOW MODULE SHOT.png}
module=${2:?usage: schedule_e2e.sh HOUSE_SHOW MODULE SHOT.png}
shot=${3:?usage: schedule_e2e.sh HOUSE_SHOW MODULE SHOT.png}
for tool in Xvfb openbox xdotool xwininfo import; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# shellcheck source=../../lib/desktop_session.sh
source "$(dirname "$0")/../../lib/desktop_session.sh"

pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
    wait "${pids[i]}" 2>/dev/null
  done
  desktop_stop
}
trap cleanup EXIT

desktop_start 1280x960 || { echo "FAIL: Xvfb and openbox did not start"; exit 1; }

ORVANE_SCHEDULE_MODULE=$module QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
pids+=($!)
house=""
find_house() { house=$(xdotool search --name "Orvane按揭贷款计算器" 2>/dev/null | head -1); [ -n "$house" ]; }
wait_until 15 find_house || { echo "FAIL: the mortgage window did not appear"; exit 1; }
wait_until 5 xdotool windowactivate --sync "$house" 2>/dev/null

# The focus starts on 计算: Tab passes the disabled 还款明细 to the term list, then the rate,
# the direction list and the amount.
xdotool key Tab
xdotool type --delay 150 20
xdotool key Tab
xdotool type 6
xdotool key Tab Tab
xdotool type 10
xdotool key alt+o
sleep 0.5
# From the amount: the tips box, 贷款方式, 计算, then 还款明细.
xdotool key Tab Tab Tab Tab space

schedule=""
find_schedule() { schedule=$(xdotool search --name "^还款明细$" 2>/dev/null | head -1); [ -n "$schedule" ]; }
wait_until 15 find_schedule || { echo "FAIL: 还款明细 did not open"; exit 1; }
viewable() { xwininfo -id "$schedule" | grep -q IsViewable; }
wait_until 5 viewable || { echo "FAIL: 还款明细 is not shown"; exit 1; }
sleep 1
import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
echo "PASS: 还款明细 opened from the typed loan; screenshot $shot"
