#!/usr/bin/env bash
# Ctrl+V pastes a spreadsheet-style clipboard text as an entry that the next calculation uses,
# Ctrl+Insert copies the display back, and a text that is no number leaves the display alone.
# Usage: paste_keys_e2e.sh PROGRAM   (the program prints "window <id>" once shown)
set -euo pipefail

# shellcheck source=../../lib/desktop_session.sh
source "$(dirname "$0")/../../lib/desktop_session.sh"
desktop_require xclip
desktop_test_program 1280x800 "$1"

read_clipboard_until() {  # waits for the clipboard to hold $1; prints what it last held
    wait_until 3 desktop_clipboard_is "$1" || true
    xclip -o -selection clipboard 2>/dev/null || true
}

printf ' \xc2\xa51,234.5\n' | xclip -selection clipboard
wait_until 3 desktop_clipboard_is $' \xc2\xa51,234.5'
xdotool key ctrl+v
xdotool type --delay 60 '+1='
xdotool key ctrl+Insert
got="$(read_clipboard_until 1235.5)"
[ "$got" = "1235.5" ] || { echo "FAIL: pasting \" ¥1,234.5\" then +1= showed \"$got\", expected 1235.5"; cat "$workdir/app.log"; exit 1; }
echo "ok: \" ¥1,234.5\" pasted, +1= gave 1235.5, Ctrl+Insert copied it"

printf '12,34' | xclip -selection clipboard
wait_until 3 desktop_clipboard_is '12,34'
xdotool key ctrl+v shift+Insert
xdotool key ctrl+Insert
got="$(read_clipboard_until 1235.5)"
[ "$got" = "1235.5" ] || { echo "FAIL: pasting the ambiguous \"12,34\" changed the display to \"$got\""; cat "$workdir/app.log"; exit 1; }
echo "ok: \"12,34\" was ignored, the display still shows 1235.5"
