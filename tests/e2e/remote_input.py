#!/usr/bin/python3
"""Pointer and keyboard input for a GNOME Wayland session, through the compositor's
remote-desktop bus API (events injected this way drive compositor-side window moves, which
XTEST input to XWayland does not).

Reads commands from stdin, one per line, and answers "ok" to each:
  move X Y      pointer to X, Y (screen pixels, from the top-left corner)
  down / up     left button
  key NAME      press and release an X keysym (F1, F2, Escape...)
  sleep S       wait S seconds
"""
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

BUS_NAME = "org.gnome.Mutter.RemoteDesktop"
BTN_LEFT = 0x110
KEYSYMS = {"F1": 0xFFBE, "F2": 0xFFBF, "F7": 0xFFC4, "Escape": 0xFF1B}


def proxy(bus, path, interface):
    return Gio.DBusProxy.new_sync(bus, Gio.DBusProxyFlags.NONE, None, BUS_NAME, path,
                                  interface, None)


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    desktop = proxy(bus, "/org/gnome/Mutter/RemoteDesktop", BUS_NAME)
    session_path = desktop.call_sync("CreateSession", None, Gio.DBusCallFlags.NONE, -1,
                                     None).unpack()[0]
    session = proxy(bus, session_path, BUS_NAME + ".Session")
    session.call_sync("Start", None, Gio.DBusCallFlags.NONE, -1, None)

    def call(method, signature, *args):
        session.call_sync(method, GLib.Variant(signature, args), Gio.DBusCallFlags.NONE, -1,
                          None)

    # Relative motion is all this API offers without a screen-cast stream: the pointer is
    # pushed into the top-left corner, where the screen stops it, and moved from there.
    position = None

    def move(x, y):
        nonlocal position
        if position is None:
            call("NotifyPointerMotionRelative", "(dd)", -100000.0, -100000.0)
            position = (0, 0)
        dx, dy = x - position[0], y - position[1]
        # In steps, as a hand moves, so that the compositor sees a drag.
        steps = max(1, int(max(abs(dx), abs(dy)) // 40))
        for i in range(steps):
            call("NotifyPointerMotionRelative", "(dd)", dx / steps, dy / steps)
            time.sleep(0.01)
        position = (x, y)

    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        if words[0] == "move":
            move(int(words[1]), int(words[2]))
        elif words[0] in ("down", "up"):
            call("NotifyPointerButton", "(ib)", BTN_LEFT, words[0] == "down")
        elif words[0] == "key":
            for pressed in (True, False):
                call("NotifyKeyboardKeysym", "(ub)", KEYSYMS[words[1]], pressed)
                time.sleep(0.05)
        elif words[0] == "sleep":
            time.sleep(float(words[1]))
        print("ok", flush=True)
    session.call_sync("Stop", None, Gio.DBusCallFlags.NONE, -1, None)


if __name__ == "__main__":
    main()
