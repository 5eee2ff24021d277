#!/usr/bin/env bash
# The program loads no sound library when it starts; the audio output module does.
# Usage: sound_libraries_check.sh PROGRAM MODULE
set -u
program=${1:?usage: sound_libraries_check.sh PROGRAM MODULE}
module=${2:?usage: sound_libraries_check.sh PROGRAM MODULE}
pattern='multimedia|pulse|sndfile'

[ -x "$program" ] || { echo "FAIL: $program is not built"; exit 1; }
[ -f "$module" ] || { echo "FAIL: $module is not built"; exit 1; }
program_libs=$(ldd "$program") || { echo "FAIL: ldd $program"; exit 1; }
module_libs=$(ldd "$module") || { echo "FAIL: ldd $module"; exit 1; }
if grep -i -E "$pattern" <<<"$program_libs"; then
  echo "FAIL: the program links the sound libraries above"
  exit 1
fi
if ! grep -q libpulse <<<"$module_libs"; then
  echo "FAIL: the module does not link the sound server's client library"
  exit 1
fi
# The module plays PCM through the client library alone: no toolkit, no media framework.
if grep -i -E 'Qt6|multimedia|gstreamer|ffmpeg|libav' <<<"$module_libs"; then
  echo "FAIL: the module links the libraries above"
  exit 1
fi
echo "PASS: $(wc -l <<<"$program_libs") libraries at start, none for sound; the module needs $(wc -l <<<"$module_libs")"
