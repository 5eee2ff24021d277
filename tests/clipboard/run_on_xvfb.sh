#!/usr/bin/env bash
# Runs a Qt test program on the xcb platform against its own Xvfb server, which xvfb-run
# starts on a free display and stops (taking any clipboard owner still connected with it)
# when the program ends.
# Usage: run_on_xvfb.sh PROGRAM [ARGS...]
set -u

for tool in xvfb-run Xvfb xauth xclip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
