#!/usr/bin/env bash
# Voice on a real sound server, and a sound server that misbehaves. Starts a private PulseAudio
# with a null sink and records the sink's monitor:
#  1. the player, loading the audio output module as the program does, is heard;
#  2. the program itself, voice on (/f3) under Xvfb + openbox: a key is heard and its stream
#     corked once it has played; with the server stopped (SIGSTOP) for 35 s every key still
#     reaches the screen within 1.5 s; once the server runs again the keys answer and are
#     heard again;
#  3. with PULSE_SERVER naming a socket that accepts and never answers, the window comes up
#     within 2 s and the keys (F3 included) answer within 1.5 s;
#  4. without any sound server, voice on, the keys answer.
# Keys are judged by the window's pixels, sound by the recording.
# Usage: voice_output_e2e.sh OUTPUT_MODULE_TEST MODULE CALCULATOR
set -u

usage="usage: voice_output_e2e.sh OUTPUT_MODULE_TEST MODULE CALCULATOR"
module_test=${1:?$usage}
module=${2:?$usage}
calculator=${3:?$usage}
for tool in pulseaudio pactl parec pacat paplay sox python3 import Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"
desktop_wm_available || { echo "SKIP: window manager $(desktop_wm) missing"; exit 77; }

work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
unset PULSE_SERVER
pa_pid=""
keeper_pid=""
rec_pid=""
app=""
hang_pid=""
failures=0
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  [ -n "$rec_pid" ] && kill "$rec_pid" 2>/dev/null && wait "$rec_pid" 2>/dev/null
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  [ -n "$hang_pid" ] && kill "$hang_pid" 2>/dev/null && wait "$hang_pid" 2>/dev/null
  [ -n "$keeper_pid" ] && kill "$keeper_pid" 2>/dev/null && wait "$keeper_pid" 2>/dev/null
  if [ -n "$pa_pid" ]; then
    kill -CONT "$pa_pid" 2>/dev/null
    kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null
  fi
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
now_ms() { date +%s%3N; }

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L module-native-protocol-unix -L "module-null-sink sink_name=orvane_null" \
  >"$work/pulseaudio.log" 2>&1 &
pa_pid=$!
wait_until 5 pactl info >/dev/null 2>&1
if ! pactl info >/dev/null 2>&1; then
  echo "FAIL: the private sound server did not start"
  cat "$work/pulseaudio.log"
  exit 1
fi
pactl set-default-sink orvane_null
# A fresh server takes up to a second over its first streams (paplay's too); pay that here,
# so that the checks below time the program, not the server's warming up.
sox -n -r 11025 -b 16 -c 1 "$work/quiet.wav" trim 0 0.1
paplay "$work/quiet.wav"
# A null sink renders ahead in blocks as long as its streams allow; a silent low-latency stream
# keeps the blocks short, so that the monitor's recording follows the clock.
pacat --playback --raw --format=s16le --rate=11025 --channels=1 --latency-msec=10 /dev/zero &
keeper_pid=$!

recording_runs() { [ -s "$work/heard.raw" ]; }
record_start() {
  parec -d orvane_null.monitor --format=s16le --rate=11025 --channels=1 --raw --latency-msec=20 \
    >"$work/heard.raw" &
  rec_pid=$!
  wait_until 5 recording_runs || echo "  (the recording has not started)"
}
# Stops the recording; succeeds when it holds speech (a peak above a tenth of full scale).
record_heard() {
  local peak
  sleep 0.3
  kill "$rec_pid" 2>/dev/null
  wait "$rec_pid" 2>/dev/null
  rec_pid=""
  peak=$(sox -t raw -r 11025 -e signed-integer -b 16 -c 1 "$work/heard.raw" -n stat 2>&1 |
    awk '/Maximum amplitude/ { print $3 }')
  echo "  recorded $(stat -c %s "$work/heard.raw") bytes, peak amplitude ${peak:-none}"
  awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.1) }'
}

# --- 1. The module, loaded by the player as the program loads it.
record_start
ORVANE_EXPECT_AUDIO=1 QT_QPA_PLATFORM=offscreen ORVANE_VOICE_MODULE=$module \
  "$module_test" module_is_heard >"$work/module_test.log" 2>&1 ||
  { cat "$work/module_test.log"; fail "$(basename "$module_test") failed"; }
if record_heard; then echo "ok: the module's clip was heard"; else fail "the module's clip was not heard"; fi

# A run of clips 6.9 s long, cut off after 0.3 s: speech is heard for well under 1.5 s.
record_start
ORVANE_EXPECT_AUDIO=1 QT_QPA_PLATFORM=offscreen ORVANE_VOICE_MODULE=$module \
  "$module_test" module_cuts_a_sequence >"$work/module_test.log" 2>&1 ||
  { cat "$work/module_test.log"; fail "$(basename "$module_test") failed"; }
record_heard >/dev/null
heard_ms=$(python3 -c '
import array, sys
data = open(sys.argv[1], "rb").read()
samples = array.array("h", data[: len(data) // 2 * 2])
loud = [i for i, v in enumerate(samples) if abs(v) > 3000]
print(0 if not loud else (loud[-1] - loud[0]) * 1000 // 11025)
' "$work/heard.raw")
if [ "$heard_ms" -gt 0 ] && [ "$heard_ms" -lt 1500 ]; then
  echo "ok: the cut-off run of clips was heard for $heard_ms ms"
else
  fail "the cut-off run of clips was heard for $heard_ms ms (expected 1–1500)"
fi

# --- 2. The program, voice on.
desktop_start 1024x768 || { echo "FAIL: no X server"; exit 1; }
window_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1; }
# Starts the calculator with voice on; sets $app, $wid and $startup_ms (launch to visible window).
start_calculator() {
  local begin
  begin=$(now_ms)
  ORVANE_VOICE_MODULE=$module "$calculator" /f3 >"$work/app.log" 2>&1 &
  app=$!
  wid=""
  until [ -n "$wid" ]; do
    wid=$(window_of "$app")
    [ $(($(now_ms) - begin)) -gt 30000 ] && break
    [ -n "$wid" ] || sleep 0.05
  done
  startup_ms=$(($(now_ms) - begin))
  [ -n "$wid" ] || { echo "FAIL: no window within 30 s"; cat "$work/app.log"; exit 1; }
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
  sleep 0.5
}
stop_calculator() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=""
}
shot() { import -silent -window "$wid" rgb:- 2>/dev/null | md5sum; }
# key_answers KEY: presses KEY and waits up to 1.5 s for the window's pixels to change.
key_answers() {
  local before begin took
  before=$(shot)
  begin=$(now_ms)
  xdotool key "$1"
  while [ "$(shot)" = "$before" ]; do
    if [ $(($(now_ms) - begin)) -gt 1500 ]; then
      fail "key $1: the window did not change within 1.5 s"
      return 1
    fi
    sleep 0.02
  done
  took=$(($(now_ms) - begin))
  slowest_key=$((took > slowest_key ? took : slowest_key))
}

start_calculator
echo "window up after $startup_ms ms with the sound server running"
slowest_key=0
record_start
key_answers 1
if record_heard; then echo "ok: key 1 was heard"; else fail "key 1 was not heard"; fi
# Played out, the program's stream is corked: the device is free between clips.
stream_corked() {
  pactl list sink-inputs | awk '/^Sink Input #/ { corked = "" } /Corked:/ { corked = $2 }
    /application.name = "orvane-calculator"/ { found = corked } END { exit found != "yes" }'
}
if wait_until 5 stream_corked; then
  echo "ok: the program's stream is corked once the clip has played"
else
  fail "the program's stream is not corked after the clip: $(pactl list sink-inputs | grep -E 'Corked|application.name')"
fi

kill -STOP "$pa_pid"
stall_begin=$(now_ms)
slowest_key=0
failures_before=$failures
for key in 2 3 4 5 6 7 8 9 Escape 1 2; do
  key_answers "$key"
  sleep 2.7
done
while [ $(($(now_ms) - stall_begin)) -lt 35000 ]; do sleep 0.2; done
key_answers 3
if [ "$failures" -eq "$failures_before" ]; then
  echo "ok: 12 keys during a $(($(now_ms) - stall_begin)) ms stall, slowest $slowest_key ms"
fi
kill -CONT "$pa_pid"

slowest_key=0
heard_again=""
for key in Escape 4 5 6; do
  record_start
  key_answers "$key"
  if record_heard; then
    heard_again=$key
    break
  fi
done
key_answers 7
if [ -n "$heard_again" ]; then
  echo "ok: after the stall keys answer (slowest $slowest_key ms) and key $heard_again was heard"
else
  fail "no key was heard after the sound server resumed"
fi
kill -0 "$app" 2>/dev/null || fail "the program ended"
stop_calculator

# --- 3. A sound server that accepts and never answers.
python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(64)
held = []
while True:
    held.append(server.accept()[0])
' "$work/hang.sock" &
hang_pid=$!
wait_until 5 test -S "$work/hang.sock"
export PULSE_SERVER=unix:$work/hang.sock
start_calculator
echo "window up after $startup_ms ms with a sound server that never answers"
[ "$startup_ms" -le 2000 ] || fail "the window took $startup_ms ms to come up (limit 2000)"
slowest_key=0
failures_before=$failures
for key in 1 2 F3 3 F3 4 5; do
  key_answers "$key"
  sleep 0.3
done
if [ "$failures" -eq "$failures_before" ]; then
  echo "ok: keys and F3 answer with a server that never answers, slowest $slowest_key ms"
fi
stop_calculator

# --- 4. No sound server at all.
export PULSE_SERVER=unix:$work/no-such-server
start_calculator
slowest_key=0
failures_before=$failures
for key in 1 2 3 Escape; do
  key_answers "$key"
done
if [ "$failures" -eq "$failures_before" ] && kill -0 "$app" 2>/dev/null; then
  echo "ok: without a sound server the window came up after $startup_ms ms, keys answer (slowest $slowest_key ms)"
fi
stop_calculator

[ "$failures" -eq 0 ] || exit 1
echo "PASS"
