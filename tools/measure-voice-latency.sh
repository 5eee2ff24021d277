#!/usr/bin/env bash
# Key to sound of the voice feedback against the sound server's floor: a private PulseAudio with
# a null sink and Xvfb + openbox; the calculator runs with voice on, and voice_latency_probe.py
# presses keys through XTest, alternating with `paplay` of a short tone, timing each to the
# first non-silent sample on the sink's monitor. Then, ROUNDS_FIRST times, a fresh calculator
# with voice off gets F3 and the first clip is timed.
# Usage: tools/measure-voice-latency.sh [CALCULATOR [MODULE]]   (defaults: build/src/app/...)
#        ROUNDS=20 ROUNDS_FIRST=5 KEYS=1,Escape (X key names pressed in turn; the operators by
#        their keypad names, e.g. KEYS=2,KP_Add,3,KP_Enter)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
calculator=${1:-$root/build/src/app/orvane-calculator}
module=${2:-$(dirname "$calculator")/orvane-voice-output.so}
rounds=${ROUNDS:-20}
rounds_first=${ROUNDS_FIRST:-5}
keys=${KEYS:-1,Escape}
for tool in pulseaudio pactl parec paplay sox python3 Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
[ -x "$calculator" ] || { echo "$calculator is not built" >&2; exit 1; }

# shellcheck source=../tests/lib/desktop_session.sh
source "$root/tests/lib/desktop_session.sh"
work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home ORVANE_VOICE_MODULE=$module
unset PULSE_SERVER
pa_pid=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  [ -n "$pa_pid" ] && kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L module-native-protocol-unix -L "module-null-sink sink_name=orvane_null" \
  >"$work/pulseaudio.log" 2>&1 &
pa_pid=$!
wait_until 5 pactl info >/dev/null 2>&1
pactl set-default-sink orvane_null
desktop_start 1024x768
# The floor: paplay of a 0.2 s tone at the clips' own format.
sox -n -r 11025 -b 16 -c 1 "$work/tone.wav" synth 0.2 sine 440 vol 0.5

start_calculator() {
  "$calculator" "$@" >"$work/app.log" 2>&1 &
  app=$!
  local wid=""
  for _ in $(seq 200); do
    wid=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n1) && [ -n "$wid" ] && break
    sleep 0.05
  done
  [ -n "$wid" ] || { echo "no window" >&2; cat "$work/app.log" >&2; exit 1; }
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
  sleep 1
}
stop_calculator() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null || true
  app=""
}

echo "== $calculator, $rounds interleaved rounds (keys $keys)"
start_calculator /f3
# One key first, so that the loading of the module is not in these figures.
xdotool key 1
sleep 1
[ "$rounds" -gt 0 ] && python3 "$root/tools/voice_latency_probe.py" --tone "$work/tone.wav" --rounds "$rounds" \
  --keys "$keys"
stop_calculator

[ "$rounds_first" -gt 0 ] || exit 0
echo "== first clip after F3 (fresh program each time, voice off at start)"
firsts=()
for _ in $(seq "$rounds_first"); do
  start_calculator
  firsts+=("$(python3 "$root/tools/voice_latency_probe.py" --tone "$work/tone.wav" --first --keys F3)")
  stop_calculator
done
echo "first clip: ${firsts[*]} ms"
