#!/usr/bin/env bash
# Records the 29 clips of the keypad calculator (23 spoken keys, the check's 不对, then the units
# 十 百 千 万 亿 that reading a number aloud needs) with espeak-ng's Mandarin voice and converts them
# with sox to RIFF WAVE, PCM, mono, 11025 Hz, 16 bit, with the leading and
# trailing silence cut off so that a key is heard the moment it is pressed.
# Usage: tools/make-voice-clips.sh [output folder]   (default: resources/voice)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../resources/voice}"
mkdir -p "$out"

for tool in espeak-ng sox soxi; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

# clip name (after "wav_"), the Mandarin word, and its pinyin with tone numbers. The voice
# reads the pinyin: the Mandarin voice's character dictionary is incomplete in some espeak-ng
# builds, which then spell unknown characters out in English.
clips=(
  "0:零:ling2" "1:一:yi1" "2:二:er4" "3:三:san1" "4:四:si4" "5:五:wu3" "6:六:liu4"
  "7:七:qi1" "8:八:ba1" "9:九:jiu3" "00:零零:ling2ling2"
  "jia:加:jia1" "jian:减:jian3" "chen:乘:cheng2" "chu:除:chu2" "dengyu:等于:deng3yu2"
  "dian:点:dian3" "fu:负:fu4" "kf:开方:kai1fang1" "tuige:退格:tui4ge2"
  "qingchu:清除:qing1chu2" "quanbu:全部:quan2bu4" "yuyin:语音:yu3yin1"
  "budui:不对:bu2dui4"
  "shi:十:shi2" "bai:百:bai3" "qian:千:qian1" "wan:万:wan4" "yi:亿:yi4"
)

# Silence is anything below 1% of full scale; 10 ms above it starts (or, reversed, ends) speech.
trim=(silence 1 0.01 1% reverse silence 1 0.01 1% reverse)

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

status=0
for entry in "${clips[@]}"; do
  IFS=: read -r name word pinyin <<<"$entry"
  raw="$tmp/$name.wav"
  file="$out/wav_$name.wav"
  espeak-ng -v cmn-latn-pinyin -s 160 -w "$raw" "$pinyin"
  # -D: no dither, so the same input always gives the same bytes; wavpcm: the plain
  # 16-byte PCM format chunk.
  sox -D "$raw" -t wavpcm -e signed-integer -b 16 -c 1 -r 11025 "$file" "${trim[@]}"
  seconds="$(soxi -D "$file")"
  if awk -v s="$seconds" 'BEGIN { exit !(s >= 0.1 && s <= 1.5) }'; then
    printf '%-18s %s %-12s %.3f s\n' "wav_$name.wav" "$word" "($pinyin)" "$seconds"
  else
    printf '%-18s %s %-12s %.3f s  OUT OF RANGE (0.1 to 1.5 s)\n' "wav_$name.wav" "$word" "($pinyin)" "$seconds" >&2
    status=1
  fi
done
exit $status
