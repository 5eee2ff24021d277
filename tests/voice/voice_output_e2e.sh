#!/usr/bin/env bash
# A clip really reaches a sound server: starts a private PulseAudio with a null sink, records
# the sink's monitor while a test plays a clip on the default output, and checks the recording
# holds speech. Done twice: with the sink itself, and with the player loading the audio output
# module as the program does.
# Usage: voice_output_e2e.sh PATH/TO/audio_clip_sink_test PATH/TO/output_module_test MODULE
set -u

usage="usage: voice_output_e2e.sh AUDIO_CLIP_SINK_TEST OUTPUT_MODULE_TEST MODULE"
sink_test=${1:?$usage}
module_test=${2:?$usage}
module=${3:?$usage}
for tool in pulseaudio pactl parec sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
unset PULSE_SERVER
pa_pid=""
rec_pid=""
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  [ -n "$rec_pid" ] && kill "$rec_pid" 2>/dev/null && wait "$rec_pid" 2>/dev/null
  [ -n "$pa_pid" ] && kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L module-native-protocol-unix -L "module-null-sink sink_name=orvane_null" \
  >"$work/pulseaudio.log" 2>&1 &
pa_pid=$!
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "FAIL: the private sound server did not start"
  cat "$work/pulseaudio.log"
  exit 1
fi
pactl set-default-sink orvane_null

# Plays through `$@` while recording the null sink; passes when the clip was heard.
heard_while() {
  local status peak
  parec -d orvane_null.monitor --format=s16le --rate=11025 --channels=1 --raw >"$work/heard.raw" &
  rec_pid=$!
  sleep 0.3
  ORVANE_EXPECT_AUDIO=1 QT_QPA_PLATFORM=offscreen "$@"
  status=$?
  sleep 0.3
  kill "$rec_pid" 2>/dev/null
  wait "$rec_pid" 2>/dev/null
  rec_pid=""
  [ $status -eq 0 ] || { echo "FAIL: $* failed"; return 1; }
  # The clip peaks above a tenth of full scale; silence stays at zero.
  peak=$(sox -t raw -r 11025 -e signed-integer -b 16 -c 1 "$work/heard.raw" -n stat 2>&1 |
    awk '/Maximum amplitude/ { print $3 }')
  echo "recorded $(stat -c %s "$work/heard.raw") bytes, peak amplitude ${peak:-none}"
  if awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.1) }'; then
    echo "PASS: the clip was heard on the sound server ($(basename "$1"))"
    return 0
  fi
  echo "FAIL: nothing was heard from $(basename "$1")"
  return 1
}

heard_while "$sink_test" real_output_closes_after_the_clip || exit 1
ORVANE_VOICE_MODULE=$module heard_while "$module_test" module_is_heard || exit 1
exit 0
