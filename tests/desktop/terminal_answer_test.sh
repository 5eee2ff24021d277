#!/bin/sh
# orvane-calculator --help and --version answer on stdout, exit 0, and need no display.
# Usage: terminal_answer_test.sh PATH/TO/orvane-calculator VERSION
program="$1"
version="$2"
failures=0
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

out=$(run --version)
code=$?
if [ "$code" = 0 ] && [ "$out" = "orvane-calculator $version" ]; then echo "ok   --version"; else
    echo "FAIL --version: exit $code, [$out]"; failures=$((failures + 1)); fi

out=$(run --help)
code=$?
case "$out" in
Usage:\ orvane-calculator*/f2*/f7*/f3*/ac*/ag*/uN*/cN*--version*) matched=1 ;;
*) matched=0 ;;
esac
if [ "$code" = 0 ] && [ "$matched" = 1 ]; then echo "ok   --help"; else
    echo "FAIL --help: exit $code, [$out]"; failures=$((failures + 1)); fi

[ "$failures" = 0 ]
