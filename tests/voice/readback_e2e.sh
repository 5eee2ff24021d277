#!/usr/bin/env bash
# Results read aloud, heard on a sound server: the real program with voice on (/f3) under Xvfb
# and a window manager, a private PulseAudio with a null sink whose monitor is recorded. After
# F9, 5 + 7 = must sound as one stretch as long as the clips of 等于 十二 together (no gap, no
# clip missing); the key 1 pressed while a long reading plays must stop the reading there and
# end with the clip of 1.
# Usage: readback_e2e.sh PATH/TO/orvane-calculator VOICE_MODULE CLIP_FOLDER
set -u

usage="usage: readback_e2e.sh PATH/TO/orvane-calculator VOICE_MODULE CLIP_FOLDER"
calculator=${1:?$usage}
module=${2:?$usage}
clip_folder=${3:?$usage}
for tool in Xvfb xdotool pulseaudio pactl parec python3; do
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
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
unset PULSE_SERVER
pa_pid=""
rec_pid=""
app_pid=""
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$rec_pid" ] && kill "$rec_pid" 2>/dev/null && wait "$rec_pid" 2>/dev/null
  [ -n "$pa_pid" ] && kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null
  desktop_stop
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L module-native-protocol-unix -L "module-null-sink sink_name=orvane_null" \
  >"$work/pulseaudio.log" 2>&1 &
pa_pid=$!
wait_until 5 pactl info >/dev/null 2>&1 || {
  echo "FAIL: the private sound server did not start"
  cat "$work/pulseaudio.log"
  exit 1
}
pactl set-default-sink orvane_null

desktop_start 1280x1024 || { echo "FAIL: no X server"; exit 1; }
ORVANE_VOICE_MODULE=$module "$calculator" /f3 >"$work/app.log" 2>&1 &
app_pid=$!
window_shown() { wid=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1); [ -n "$wid" ]; }
wait_until 15 window_shown || { echo "FAIL: the calculator never showed its window"; cat "$work/app.log"; exit 1; }
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid" 2>/dev/null
focus_is_window() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ]; }
wait_until 5 focus_is_window || xdotool windowfocus "$wid" 2>/dev/null
sleep 1  # the voice switch's own clip of /f3 is over

parec -d orvane_null.monitor --format=s16le --rate=11025 --channels=1 --raw >"$work/heard.raw" &
rec_pid=$!
sleep 0.5
key() { xdotool key --clearmodifiers "$1"; }
key F9
sleep 0.5
# Each key clip ends before the next key, so every key is a stretch of sound of its own.
for k in 5 plus 7; do key "$k"; sleep 0.9; done
key equal
sleep 2
# A long reading (99980001, 九千九百九十八万零一), cut off half a second in.
xdotool type --delay 120 '9999*9999'
sleep 1.2
key equal
sleep 0.5
key 1
sleep 1.5
kill "$rec_pid" 2>/dev/null
wait "$rec_pid" 2>/dev/null
rec_pid=""

python3 - "$work/heard.raw" "$clip_folder" <<'EOF'
import array, sys, wave

raw, folder = sys.argv[1], sys.argv[2]
RATE = 11025
samples = array.array("h")
with open(raw, "rb") as f:
    samples.frombytes(f.read())


def seconds(name):
    with wave.open(f"{folder}/{name}.wav") as clip:
        return clip.getnframes() / clip.getframerate()


# Loud: a 10 ms window holding a sample above 1% of full scale (the clips' trim level).
# Stretches of sound are loud windows with less than 150 ms of quiet between them.
step = RATE // 100
loud = [max((abs(s) for s in samples[i:i + step]), default=0) >= 328
        for i in range(0, len(samples), step)]
stretches, start, last = [], None, None
for index, is_loud in enumerate(loud):
    if not is_loud:
        continue
    if start is None:
        start = index
    elif index - last > 15:
        stretches.append((start, last))
        start = index
    last = index
if start is not None:
    stretches.append((start, last))
lengths = [(end - begin + 1) / 100 for begin, end in stretches]
print("heard", len(samples) / RATE, "s; stretches of sound (s):", lengths)

reading = seconds("wav_dengyu") + seconds("wav_shi") + seconds("wav_2")
one = seconds("wav_1")
failed = False
# The voice switch's own clip of /f3 may still be heard first; then come 5, +, 7, the reading,
# the quickly typed 9999*9999 as one stretch, and the cut reading.
if len(lengths) < 6:
    print(f"FAIL: expected 6 stretches of sound, heard {len(lengths)}")
    sys.exit(1)
lengths = lengths[-6:]
if abs(lengths[3] - reading) > 0.08:
    print(f"FAIL: 5 + 7 = sounded {lengths[3]:.2f} s; 等于 十二 lasts {reading:.2f} s")
    failed = True
else:
    print(f"ok: 5 + 7 = sounded {lengths[3]:.2f} s as one stretch; 等于 十二 lasts {reading:.2f} s")
# Uncut, the long reading alone would last far longer than half a second and the clip of 1.
long_reading = seconds("wav_dengyu") + sum(
    seconds(name) for name in ["wav_9", "wav_qian", "wav_9", "wav_bai", "wav_9", "wav_shi",
                               "wav_8", "wav_wan", "wav_0", "wav_1"])
cut = lengths[5]
if not (one + 0.15 < cut < long_reading - 0.5):
    print(f"FAIL: with 1 pressed during the reading the sound lasted {cut:.2f} s; expected "
          f"between {one + 0.15:.2f} s and {long_reading - 0.5:.2f} s")
    failed = True
else:
    print(f"ok: the key 1 cut the reading off: {cut:.2f} s of sound, the whole reading "
          f"{long_reading:.2f} s")
sys.exit(1 if failed else 0)
EOF
status=$?
[ $status -eq 0 ] || { echo "program log:"; cat "$work/app.log"; }
exit $status
