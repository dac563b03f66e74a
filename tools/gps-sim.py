#!/usr/bin/env python3
"""GPS receiver simulator: feeds NMEA 0183 to a pseudo-terminal at a receiver's pace.

The simulator makes its own pseudo-terminal pair (raw mode, no echo) and writes
to the master side; a program reads the slave side as if it were the serial
port of a GPS receiver. With --link PATH it keeps a symlink to the slave device,
for example a Wine prefix's dosdevices/com8, so the program opens it as COM8.

Input
  --file CAPTURE  a receiver capture (default: tests/data/nmea/haicom-305N.log of
                  this repository). Lines starting with '#' are the file's header and
                  are skipped; every other byte goes out exactly as in the file, line
                  ends included. At the end the file starts over.
  --track         generated $GPRMC and $GPGGA sentences (CRLF, correct checksums)
                  of a receiver driving round a square centred on --start.

Pace
  One cycle per --interval seconds (default 1). A cycle is a run of lines that
  starts at a line holding an RMC sentence ($GPRMC, $GNRMC, ...) and ends before
  the next one; lines before the first RMC form the first cycle. A cycle is
  written in one go. When nobody reads, the unread backlog is kept below 4 KiB,
  as a serial driver drops what overflows its buffer.

Faults, while running
  key  signal   control word  effect
  p    SIGUSR1  pause/resume  p and SIGUSR1 toggle; while paused the port stays,
                              nothing is sent
  u    SIGUSR2  unplug        close the pty and remove the link: opens fail; a handle
                              that is open reads end of file (the tty is hung up;
                              under Wine a read then succeeds with 0 bytes)
  r    SIGUSR2  replug        a new pty and the link to it (the kernel may reuse
                              the old device number)
  g             garbage       one burst of garbage: random bytes, half a sentence
                              and a "$GPRMC" without a line end
  q    SIGINT   quit          end cleanly (SIGTERM too); the link is removed
  Keys act when stdin is a terminal. SIGUSR2 toggles between unplug and replug.
  --control FIFO reads control words (or the key letters), one per line, from a
  named pipe, made if missing: echo unplug > FIFO

Output: one status line per event on stdout, for example
  "feeding /dev/pts/7 (link /tmp/com8) from haicom-305N.log", "paused", "unplugged".
"""

import argparse
import datetime
import fcntl
import math
import os
import random
import re
import select
import signal
import stat
import sys
import termios
import time
import tty

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_CAPTURE = os.path.join(REPO, "tests", "data", "nmea", "haicom-305N.log")
MAX_BACKLOG = 4096
RMC = re.compile(rb"\$..RMC")
# Keys and control words -> actions.
WORDS = {"p": "toggle", "u": "unplug", "r": "replug", "g": "garbage", "q": "quit",
         "pause": "pause", "resume": "resume", "unplug": "unplug", "replug": "replug",
         "garbage": "garbage", "quit": "quit"}


def status(text):
    print(f"gps-sim: {text}", flush=True)


# ---------------------------------------------------------------- input


def capture_cycles(path):
    """The capture's cycles as byte strings, header lines left out."""
    with open(path, "rb") as f:
        lines = [line for line in f.read().splitlines(keepends=True) if not line.startswith(b"#")]
    cycles = []
    for line in lines:
        if not cycles or RMC.search(line):
            cycles.append(b"")
        cycles[-1] += line
    return cycles or [b""]


def with_checksum(body):
    """'GPRMC,...' -> b'$GPRMC,...*CS\\r\\n'."""
    checksum = 0
    for byte in body.encode("ascii"):
        checksum ^= byte
    return f"${body}*{checksum:02X}\r\n".encode("ascii")


def nmea_angle(value, degree_digits, positive, negative):
    hemisphere = positive if value >= 0 else negative
    value = abs(value)
    degrees = int(value)
    minutes = (value - degrees) * 60
    return f"{degrees:0{degree_digits}d}{minutes:07.4f}", hemisphere


class SquareTrack:
    """Positions on a square of side metres centred on start, driven at speed m/s."""

    METRES_PER_DEGREE = 111320.0
    # Legs: east along the south side, north, west, south; (dx, dy) and course.
    LEGS = [((1, 0), 90.0), ((0, 1), 0.0), ((-1, 0), 270.0), ((0, -1), 180.0)]

    def __init__(self, start, side, speed):
        self.latitude, self.longitude = start
        self.side = side
        self.speed = speed
        self.travelled = 0.0

    def cycle(self, interval):
        now = datetime.datetime.now(datetime.timezone.utc)
        leg, along = divmod(self.travelled % (4 * self.side), self.side)
        corner = [(-1, -1), (1, -1), (1, 1), (-1, 1)][int(leg)]
        (dx, dy), course = self.LEGS[int(leg)]
        east = corner[0] * self.side / 2 + dx * along
        north = corner[1] * self.side / 2 + dy * along
        latitude = self.latitude + north / self.METRES_PER_DEGREE
        longitude = self.longitude + east / (self.METRES_PER_DEGREE * math.cos(math.radians(self.latitude)))
        self.travelled += self.speed * interval
        lat, ns = nmea_angle(latitude, 2, "N", "S")
        lon, ew = nmea_angle(longitude, 3, "E", "W")
        hms = now.strftime("%H%M%S") + f".{now.microsecond // 10000:02d}"
        knots = self.speed * 3600 / 1852
        return (with_checksum(f"GPRMC,{hms},A,{lat},{ns},{lon},{ew},{knots:.2f},{course:.1f},{now:%d%m%y},,,A")
                + with_checksum(f"GPGGA,{hms},{lat},{ns},{lon},{ew},1,08,0.9,25.0,M,40.0,M,,"))


# ---------------------------------------------------------------- the port


class Port:
    """A pseudo-terminal pair and the symlink to its slave side."""

    def __init__(self, link):
        self.link = link
        self.master = self.slave = None
        self.device = None

    @property
    def plugged(self):
        return self.master is not None

    def plug(self):
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)  # no echo, no line editing, no CR/LF translation
        flags = fcntl.fcntl(self.master, fcntl.F_GETFL)
        fcntl.fcntl(self.master, fcntl.F_SETFL, flags | os.O_NONBLOCK)
        self.device = os.ttyname(self.slave)
        if self.link:
            temporary = f"{self.link}.gps-sim-{os.getpid()}"
            os.symlink(self.device, temporary)
            os.replace(temporary, self.link)  # atomic: a reader never sees no link while replugging

    def unplug(self):
        self.remove_link()
        for fd in (self.master, self.slave):
            if fd is not None:
                os.close(fd)
        self.master = self.slave = None

    def remove_link(self):
        if self.link and os.path.islink(self.link) and os.readlink(self.link) == self.device:
            os.unlink(self.link)

    def write(self, data):
        # We hold the slave open, so an unread backlog stays in the pty: drop it
        # when it grows beyond what a serial driver would keep.
        pending = fcntl.ioctl(self.slave, termios.FIONREAD, b"\0\0\0\0")
        if int.from_bytes(pending, sys.byteorder) + len(data) > MAX_BACKLOG:
            termios.tcflush(self.slave, termios.TCIFLUSH)
        try:
            os.write(self.master, data)
        except BlockingIOError:
            pass  # full: bytes lost, as on a serial line nobody reads


# ---------------------------------------------------------------- controls


def garbage_burst(rng, cycle):
    """Random bytes, half a sentence and a "$GPRMC" without a line end."""
    noise = bytes(rng.randrange(256) for _ in range(rng.randrange(16, 48)))
    first_line = (cycle.splitlines(keepends=True) or [b"$GPGGA,095258.809,2712.6404,S\r\n"])[0]
    half = first_line[: max(1, len(first_line) // 2)]
    return noise + b"\r\n" + half + b"\r\n" + b"$GPRMC,12"


class Controls:
    """Keys on a terminal, a control FIFO and signals, as one source of words."""

    def __init__(self, fifo_path):
        self.pending = []
        self.key_fd = sys.stdin.fileno() if sys.stdin.isatty() else None
        self.saved_tty = None
        if self.key_fd is not None:
            self.saved_tty = termios.tcgetattr(self.key_fd)
            tty.setcbreak(self.key_fd)
        self.fifo_path = fifo_path
        self.made_fifo = False
        self.fifo = None
        self.fifo_text = b""
        if fifo_path:
            if not os.path.exists(fifo_path):
                os.mkfifo(fifo_path)
                self.made_fifo = True
            elif not stat.S_ISFIFO(os.stat(fifo_path).st_mode):
                sys.exit(f"gps-sim: {fifo_path} exists and is not a FIFO")
            # Read and write: the pipe never reports end of file between writers.
            self.fifo = os.open(fifo_path, os.O_RDWR | os.O_NONBLOCK)
        self.wakeup_read, wakeup_write = os.pipe()
        os.set_blocking(self.wakeup_read, False)
        os.set_blocking(wakeup_write, False)
        signal.set_wakeup_fd(wakeup_write)
        unplug_toggle = ["unplug"]

        def on_usr2(*_):
            self.pending.append(unplug_toggle[0])
            unplug_toggle[0] = "replug" if unplug_toggle[0] == "unplug" else "unplug"

        signal.signal(signal.SIGUSR1, lambda *_: self.pending.append("toggle"))
        signal.signal(signal.SIGUSR2, on_usr2)
        signal.signal(signal.SIGINT, lambda *_: self.pending.append("quit"))
        signal.signal(signal.SIGTERM, lambda *_: self.pending.append("quit"))

    def wait(self, timeout):
        """Words that arrived within timeout seconds (at most)."""
        fds = [fd for fd in (self.key_fd, self.fifo, self.wakeup_read) if fd is not None]
        if not self.pending:
            ready, _, _ = select.select(fds, [], [], max(timeout, 0))
            for fd in ready:
                if fd == self.key_fd:
                    key = os.read(fd, 1).decode("latin-1").lower()
                    if key in WORDS:
                        self.pending.append(WORDS[key])
                elif fd == self.fifo:
                    self.read_fifo()
                else:
                    os.read(fd, 64)  # a signal woke us; its handler queued the word
        words, self.pending = self.pending, []
        return words

    def read_fifo(self):
        try:
            self.fifo_text += os.read(self.fifo, 256)
        except BlockingIOError:
            return
        *lines, self.fifo_text = self.fifo_text.split(b"\n")
        for line in lines:
            word = line.decode("latin-1").strip().lower()
            if word in WORDS:
                self.pending.append(WORDS[word])
            elif word:
                status(f"unknown control word {word!r}")

    def close(self):
        if self.saved_tty is not None:
            termios.tcsetattr(self.key_fd, termios.TCSADRAIN, self.saved_tty)
        if self.fifo is not None:
            os.close(self.fifo)
            if self.made_fifo:
                os.unlink(self.fifo_path)


# ---------------------------------------------------------------- main


def parse_arguments():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0], epilog=__doc__.split("\n\n", 1)[1],
        formatter_class=argparse.RawDescriptionHelpFormatter)
    source = parser.add_mutually_exclusive_group()
    source.add_argument("--file", help="receiver capture to play (default: %(default)s)", default=DEFAULT_CAPTURE)
    source.add_argument("--track", action="store_true", help="generate a square track instead of a capture")
    parser.add_argument("--link", help="keep a symlink at LINK to the slave device (e.g. PREFIX/dosdevices/com8)")
    parser.add_argument("--control", metavar="FIFO", help="read control words from this named pipe")
    parser.add_argument("--interval", type=float, default=1.0, help="seconds per cycle (default 1)")
    parser.add_argument("--start", default="-27.2107,153.0520", help="track centre LAT,LON in degrees")
    parser.add_argument("--side", type=float, default=200.0, help="track square side in metres")
    parser.add_argument("--speed", type=float, default=5.0, help="track speed in m/s")
    parser.add_argument("--seed", type=int, help="seed for the garbage bursts")
    return parser.parse_args()


def main():
    args = parse_arguments()
    if args.link and os.path.lexists(args.link) and not os.path.islink(args.link):
        sys.exit(f"gps-sim: {args.link} exists and is not a symlink")
    if args.track:
        latitude, longitude = (float(v) for v in args.start.split(","))
        track = SquareTrack((latitude, longitude), args.side, args.speed)
        next_cycle = lambda: track.cycle(args.interval)
        source = f"a {args.side:.0f} m square track"
    else:
        cycles = capture_cycles(args.file)
        position = [0]

        def next_cycle():
            cycle = cycles[position[0]]
            position[0] = (position[0] + 1) % len(cycles)
            if position[0] == 0:
                status("end of capture, starting over")
            return cycle
        source = os.path.basename(args.file)

    rng = random.Random(args.seed)
    port = Port(args.link)
    controls = Controls(args.control)
    port.plug()
    status(f"feeding {port.device}" + (f" (link {args.link})" if args.link else "") + f" from {source}")
    paused = False
    deadline = time.monotonic()
    last_cycle = b""
    try:
        while True:
            for word in controls.wait(deadline - time.monotonic()):
                if word == "quit":
                    status("quit")
                    return 0
                if word in ("toggle", "pause", "resume"):
                    now_paused = not paused if word == "toggle" else word == "pause"
                    if now_paused != paused:
                        paused = now_paused
                        status("paused" if paused else "resumed")
                elif word == "unplug" and port.plugged:
                    port.unplug()
                    status("unplugged")
                elif word == "replug" and not port.plugged:
                    port.plug()
                    status(f"replugged: {port.device}" + (f" (link {args.link})" if args.link else ""))
                elif word == "garbage" and port.plugged:
                    burst = garbage_burst(rng, last_cycle)
                    port.write(burst)
                    status(f"garbage burst, {len(burst)} bytes")
                elif word in ("unplug", "replug", "garbage"):
                    status(f"{word}: not possible now ({'plugged' if port.plugged else 'unplugged'})")
            if time.monotonic() < deadline:
                continue
            # Keep the pace steady: the next cycle is due one interval after this one.
            deadline = max(deadline + args.interval, time.monotonic())
            if paused or not port.plugged:
                continue
            last_cycle = next_cycle()
            port.write(last_cycle)
    finally:
        port.unplug()
        controls.close()


if __name__ == "__main__":
    sys.exit(main())
