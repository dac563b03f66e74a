"""Runs the real launcher under Wine for end-to-end tests.

A run gets a fresh C:\\e2e working directory, the stand-in map installed as
C:\\NavoroMap\\NavoroMapCE.exe (unless a test leaves it out), and COM8 linked
to a pseudo-terminal whose other end the test writes. Windows are read from
outside with navoro-probe.exe (tools/probe); keys and clicks are real X events (xdotool).
"""

import os
import pty
import shutil
import subprocess
import time
import tty
from pathlib import Path

SOURCE_DIR = Path(__file__).resolve().parents[2]
BUILD_DIR = Path(os.environ.get("NAVORO_BUILD_DIR", SOURCE_DIR / "build" / "mingw"))
PREFIX = Path(os.environ.get("NAVORO_WINEPREFIX", BUILD_DIR / "wineprefix"))
LAUNCHER_EXE = BUILD_DIR / "shell" / "navoroLauncher.exe"
MAP_EXE = BUILD_DIR / "tools" / "navoromap" / "NavoroMapCE.exe"
PROBE_EXE = BUILD_DIR / "tools" / "probe" / "navoro-probe.exe"
NMEA_DIR = SOURCE_DIR / "tests" / "data" / "nmea"

DRIVE_C = PREFIX / "drive_c"
MAP_DIR = DRIVE_C / "NavoroMap"
JOURNAL = MAP_DIR / "journal.txt"
API_FILE = MAP_DIR / "apidata1.$$$"
COM8 = PREFIX / "dosdevices" / "com8"


def wine_env():
    """Makes sure the prefix, its display and its server are up; returns the environment."""
    subprocess.run([str(SOURCE_DIR / "scripts" / "wine-run.sh"), f"--prefix={PREFIX}", "cmd", "/c", "exit"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, check=True)
    env = dict(os.environ)
    env.update(WINEPREFIX=str(PREFIX), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree=;mshtml=",
               DISPLAY=Path(str(PREFIX) + ".display").read_text().split()[0])
    return env


def wait_for(predicate, timeout=10.0, interval=0.2, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def capture_cycles(name):
    """The sentences of a capture file grouped in one-second cycles, each starting at a $GPRMC line."""
    cycles, current = [], b""
    for line in (NMEA_DIR / name).read_bytes().splitlines(keepends=True):
        if line.startswith(b"#"):
            continue
        if line.startswith(b"$GPRMC") and current:
            cycles.append(current)
            current = b""
        current += line
    if current:
        cycles.append(current)
    return [c for c in cycles if c.startswith(b"$GPRMC")]


class SerialPort:
    """A pseudo-terminal linked as COM8 in the prefix; the test writes the receiver's side."""

    def __init__(self):
        self.master, self.slave = pty.openpty()
        tty.setraw(self.slave)  # bytes pass as they are: no CR/LF translation, no echo
        if COM8.is_symlink() or COM8.exists():
            COM8.unlink()
        COM8.symlink_to(os.ttyname(self.slave))

    def write(self, data: bytes):
        os.write(self.master, data)

    def close(self):
        if COM8.is_symlink():
            COM8.unlink()
        os.close(self.master)
        os.close(self.slave)


class LauncherRun:
    """One run of navoroLauncher.exe; use as a context manager."""

    def __init__(self, install_map=True, with_port=True, map_env=None):
        self.env = wine_env()
        self.install_map = install_map
        self.with_port = with_port
        self.env.update(NAVOROMAP_JOURNAL="C:\\NavoroMap\\journal.txt", **(map_env or {}))
        self.process = None
        self.port = None
        self.map_seen = False

    def __enter__(self):
        workdir = DRIVE_C / "e2e"
        shutil.rmtree(workdir, ignore_errors=True)
        shutil.rmtree(MAP_DIR, ignore_errors=True)
        workdir.mkdir(parents=True)
        MAP_DIR.mkdir(parents=True)
        if self.install_map:
            shutil.copy(MAP_EXE, MAP_DIR / "NavoroMapCE.exe")
        if self.with_port:
            self.port = SerialPort()
        elif COM8.is_symlink() or COM8.exists():
            COM8.unlink()
        self.process = self.start()
        return self

    def start(self):
        return subprocess.Popen(["wine", str(LAUNCHER_EXE)], cwd=DRIVE_C / "e2e", env=self.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            # What the screen showed when the test failed, for the reader of the log.
            shot = BUILD_DIR / "e2e-failure.png"
            subprocess.run(["import", "-window", "root", "-display", self.env["DISPLAY"], str(shot)],
                           capture_output=True)
            print(f"screenshot of the failure: {shot}")
        # A map launched at start shows its window a moment later: wait for
        # it, or it would outlive the run.
        if not self.map_seen and self.process.poll() is None and "stating navoro: success" in self.log_lines():
            wait_for(self.map_windows, what="the map window", timeout=10)
        self.probe("close", "NavoroMap")
        if self.process.poll() is None:
            self.probe("close-title", "navoroLauncher")
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        wait_for(self.no_map_left, what="the map to end", timeout=10)
        if self.port:
            self.port.close()
        return False

    def probe(self, *args) -> str:
        result = subprocess.run(["wine", str(PROBE_EXE), *args], env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=60)
        return result.stdout.decode("utf-8", "replace")

    def log_lines(self):
        text = self.probe("log")
        return text.split("\r\n")[:-1] if text.endswith("\r\n") else text.split("\r\n")

    def wait_for_log(self, line, timeout=10.0):
        return wait_for(lambda: line in self.log_lines(), timeout=timeout, what=f"log line {line!r}")

    def journal(self):
        """The map's requests: (code, file content when the request arrived)."""
        if not JOURNAL.exists():
            return []
        entries = []
        for raw in JOURNAL.read_bytes().split(b"\n"):
            if raw:
                code, _wparam, content = (raw.split(b" ", 2) + [b""])[:3]
                entries.append((int(code), content.rstrip(b"\r")))
        return entries

    def top_level_windows(self):
        rows = []
        for line in self.probe("windows").splitlines():
            parts = line.split("\t")
            if len(parts) == 5:
                rows.append(dict(title=parts[0], cls=parts[1], pid=int(parts[2]), visible=parts[3] == "visible",
                                 rect=tuple(int(v) for v in parts[4].split())))
        return rows

    def map_windows(self):
        windows = [w for w in self.top_level_windows() if w["cls"] == "NavoroMap"]
        self.map_seen = self.map_seen or bool(windows)
        return windows

    def no_map_left(self):
        if not self.map_windows():
            return True
        self.probe("close", "NavoroMap")
        return False

    def launcher_windows(self):
        return [w for w in self.top_level_windows() if w["title"] == "navoroLauncher" and w["visible"]]

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, stdout=subprocess.DEVNULL)

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")
