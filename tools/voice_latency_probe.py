#!/usr/bin/env python3
"""Times key to sound: a key pressed through XTest, or a `paplay` of a short tone started, to the
first non-silent sample on a PulseAudio sink's monitor. Run by measure-voice-latency.sh inside
its private X server and sound server; the two kinds of trial alternate, so both see the same
load.

The monitor is read with a small latency; a sample's time is the arrival of the chunk that
holds it (a null sink renders ahead of the clock, so a sample's place in the chunk says nothing
about when it was made). That leaves the recording's own latency in every figure, the same for
both kinds of trial.
"""
import argparse
import ctypes
import ctypes.util
import statistics
import subprocess
import sys
import threading
import time

RATE = 44100


class Monitor:
    """Reads the sink's monitor on a thread and finds the first loud sample after a moment."""

    def __init__(self, source, threshold):
        self.threshold = threshold
        self.chunks = []  # (arrival time, bytes)
        self.lock = threading.Lock()
        self.process = subprocess.Popen(
            ["parec", "-d", source, "--format=s16le", f"--rate={RATE}", "--channels=1",
             "--raw", "--latency-msec=2"], stdout=subprocess.PIPE, bufsize=0)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            data = self.process.stdout.read(512)
            if not data:
                return
            with self.lock:
                self.chunks.append((time.monotonic(), data))

    def _loud_after(self, since):
        """Time of the first loud sample heard after `since`, or None."""
        with self.lock:
            chunks = [c for c in self.chunks if c[0] >= since]
        for arrival, data in chunks:
            samples = memoryview(data[: len(data) // 2 * 2]).cast("h")
            for value in samples:
                if abs(value) > self.threshold:
                    return arrival
        return None

    def wait_quiet(self, seconds):
        """Waits until nothing loud was heard for `seconds`."""
        while True:
            start = time.monotonic()
            time.sleep(seconds)
            if self._loud_after(start) is None:
                with self.lock:
                    self.chunks = [c for c in self.chunks if c[0] >= start]
                return

    def onset_after(self, since, limit):
        deadline = since + limit
        while time.monotonic() < deadline:
            moment = self._loud_after(since)
            if moment is not None:
                return moment
            time.sleep(0.005)
        return None


class Keyboard:
    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("no X display")

    def press(self, name):
        """Presses and releases the key; returns the moment the press was sent."""
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.x11.XFlush(self.display)
        sent = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XFlush(self.display)
        return sent


def summary(values):
    if not values:
        return "none heard"
    ms = sorted(v * 1000 for v in values)
    return (f"median {statistics.median(ms):5.1f} ms  min {ms[0]:5.1f}  max {ms[-1]:5.1f}  "
            f"(n={len(ms)})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", default="orvane_null.monitor")
    parser.add_argument("--tone", required=True, help="WAVE file that paplay plays")
    parser.add_argument("--keys", default="1,Escape", help="keys pressed in turn")
    parser.add_argument("--rounds", type=int, default=20)
    parser.add_argument("--first", action="store_true",
                        help="one paplay, then one trial of the first key; both in ms")
    parser.add_argument("--threshold", type=int, default=300)
    args = parser.parse_args()

    monitor = Monitor(args.source, args.threshold)
    keyboard = Keyboard()
    time.sleep(0.5)
    monitor.wait_quiet(0.3)
    keys = args.keys.split(",")
    if args.first:
        # The server's own first stream is slow (hundreds of ms, paplay's too): a tone first,
        # so that only the program's first clip is timed.
        begin = time.monotonic()
        subprocess.run(["paplay", args.tone], check=False)
        tone = monitor.onset_after(begin, 3.0)
        monitor.wait_quiet(0.4)
        sent = keyboard.press(keys[0])
        heard = monitor.onset_after(sent, 3.0)
        print("none" if heard is None else f"{(heard - sent) * 1000:.1f}", end=" ")
        print("(paplay none)" if tone is None else f"(paplay {(tone - begin) * 1000:.1f})")
        monitor.process.terminate()
        return
    floor, spoken, missed = [], [], 0
    for round_number in range(args.rounds):
        begin = time.monotonic()
        player = subprocess.Popen(["paplay", args.tone])
        heard = monitor.onset_after(begin, 3.0)
        player.wait()
        if heard is not None:
            floor.append(heard - begin)
        monitor.wait_quiet(0.3)
        sent = keyboard.press(keys[round_number % len(keys)])
        heard = monitor.onset_after(sent, 3.0)
        if heard is None:
            missed += 1
        else:
            spoken.append(heard - sent)
        monitor.wait_quiet(0.4)
    print(f"paplay floor : {summary(floor)}")
    print(f"key to sound : {summary(spoken)}" + (f", {missed} keys not heard" if missed else ""))
    if floor and spoken:
        ratio = statistics.median(spoken) / statistics.median(floor)
        print(f"ratio of medians: {ratio:.2f}")
    monitor.process.terminate()


if __name__ == "__main__":
    main()
