#!/bin/bash
# Screen-reader view of the calculators: names, roles, shortcuts and the display's change event,
# read over a private accessibility bus under Xvfb. Skips (77) without the bus or its client.
set -u
app=${1:?usage: a11y_e2e.sh path/to/orvane-calculator}
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
    ! command -v dbus-run-session >/dev/null; then
    echo "SKIP: at-spi2-core, python3-pyatspi, Xvfb or xdotool missing"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/session.sh" <<INNER
set -u
source "$here/../lib/desktop_session.sh"  # wait_until
display=:\$((200 + \$\$ % 500))
Xvfb "\$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=\$!
export DISPLAY=\$display
server_answers() { xdotool getmouselocation >/dev/null 2>&1; }
wait_until 5 server_answers
"$launcher" --launch-immediately >/dev/null 2>&1 & bus=\$!
# The launcher names its bus on the root window once the bus is up.
bus_named() { xprop -root AT_SPI_BUS 2>/dev/null | grep -q '='; }
wait_until 5 bus_named || true
HOME="$work" XDG_CONFIG_HOME="$work/config" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" \
    >"$work/app.log" 2>&1 & calc=\$!
timeout 60 /usr/bin/python3 "$here/a11y_check.py"; rc=\$?
kill \$calc \$bus \$xvfb 2>/dev/null
wait 2>/dev/null
exit \$rc
INNER
dbus-run-session -- bash "$work/session.sh" 2>&1 | grep -v 'fd limit'
exit "${PIPESTATUS[0]}"
