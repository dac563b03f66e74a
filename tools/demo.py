#!/usr/bin/env python3
"""Shows the launcher at work: a simulated GPS receiver on COM8, the stand-in
map, and navoroLauncher.exe, all under Wine in a prefix of their own.

Run it through scripts/demo.sh, which installs what is missing and builds
first. With a usable $DISPLAY the windows show there; without one they run on
a virtual display, the log pane's new lines are mirrored to this terminal and
a screenshot of the screen is written every few seconds. Ctrl+C (or q) stops
everything this demo started, and nothing else.
"""

import argparse
import fcntl
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
BUILD = REPO / "build" / "mingw"
PREFIX = BUILD / "demo-wineprefix"
LAUNCHER_EXE = BUILD / "shell" / "navoroLauncher.exe"
MAP_EXE = BUILD / "tools" / "navoromap" / "NavoroMapCE.exe"
PROBE_EXE = BUILD / "tools" / "probe" / "navoro-probe.exe"
SCREENSHOT_EVERY_S = 5


def emit(line):
    try:
        print(line, flush=True)
    except OSError:
        pass  # the terminal or pipe is gone; stopping must go on all the same


def say(text):
    emit(f"demo: {text}")


def stop_on_signal(signum, frame):
    raise KeyboardInterrupt


def usable_display():
    display = os.environ.get("DISPLAY")
    if not display:
        return None
    probe = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True)
    return display if probe.returncode == 0 else None


def wine_up(display):
    """Makes the prefix once and starts its display and server; returns the environment."""
    env = dict(os.environ)
    if display:
        env["NAVORO_USE_DISPLAY"] = display
    up = subprocess.run(["bash", "-c", 'source scripts/wine-env.sh && wine_env_up "$1"', "demo", str(PREFIX)],
                        cwd=REPO, env=env, capture_output=True, text=True)
    if up.returncode != 0:
        sys.exit(f"demo: could not start Wine in {PREFIX}:\n{up.stderr.strip()}")
    if not display:
        display = Path(str(PREFIX) + ".display").read_text().split()[0]
    env.update(WINEPREFIX=str(PREFIX), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree=;mshtml=", DISPLAY=display)
    return env


def wine_down():
    subprocess.run(["bash", "-c", 'source scripts/wine-env.sh && wine_env_down "$1"', "demo", str(PREFIX)],
                   cwd=REPO, capture_output=True)


def new_log_lines(old, new):
    """The lines added on top of the log pane since `old` (both newest first)."""
    old_lines, new_lines = old.split("\r\n"), new.split("\r\n")
    for start in range(len(new_lines) + 1):
        rest = new_lines[start:]
        # What stays of the old text may have lost its tail to the length bound.
        if all(i < len(old_lines) and (line == old_lines[i] or i == len(rest) - 1 and old_lines[i].startswith(line))
               for i, line in enumerate(rest)):
            return [line for line in new_lines[:start]]
    return new_lines


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--file", help="receiver capture to play (default: the simulator's, haicom-305N.log)")
    parser.add_argument("--track", action="store_true", help="a generated track instead of a capture")
    parser.add_argument("--virtual", action="store_true", help="use a virtual display even when $DISPLAY works")
    parser.add_argument("--seconds", type=float, help="stop by itself after this many seconds")
    parser.add_argument("--screenshot", default=str(BUILD / "demo-screenshot.png"),
                        help="where the virtual display's screenshots go (default: %(default)s)")
    args = parser.parse_args()

    for needed in (LAUNCHER_EXE, MAP_EXE, PROBE_EXE):
        if not needed.exists():
            sys.exit(f"demo: {needed} is missing; build first (scripts/demo.sh does)")

    PREFIX.parent.mkdir(parents=True, exist_ok=True)
    lock = open(str(PREFIX) + ".demo-lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"demo: another demo is running with {PREFIX}; stop it first")

    # A closed terminal or a kill stops the demo like Ctrl+C does.
    signal.signal(signal.SIGTERM, stop_on_signal)
    signal.signal(signal.SIGHUP, stop_on_signal)
    display = None if args.virtual else usable_display()
    say("starting Wine (the first run makes a prefix: about half a minute)")
    env = wine_up(display)
    say(f"windows show on display {env['DISPLAY']}" + ("" if display else " (virtual)"))

    drive_c = PREFIX / "drive_c"
    map_dir = drive_c / "NavoroMap"
    shutil.rmtree(map_dir, ignore_errors=True)
    map_dir.mkdir(parents=True)
    shutil.copy(MAP_EXE, map_dir / "NavoroMapCE.exe")
    (drive_c / "demo").mkdir(exist_ok=True)
    com8 = PREFIX / "dosdevices" / "com8"

    sim_args = [sys.executable, str(REPO / "tools" / "gps-sim.py"), "--link", str(com8)]
    if args.file:
        sim_args += ["--file", args.file]
    if args.track:
        sim_args += ["--track"]
    simulator = subprocess.Popen(sim_args)  # keeps the terminal: its keys p, u, r, g, q work here
    launcher = None
    try:
        deadline = time.monotonic() + 10
        while not com8.is_symlink():
            if time.monotonic() > deadline or simulator.poll() is not None:
                sys.exit("demo: the receiver simulator did not start")
            time.sleep(0.1)

        launcher = subprocess.Popen(["wine", str(LAUNCHER_EXE)], cwd=drive_c / "demo", env=env,
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        say("navoroLauncher started; keys: p pause, u unplug, r replug, g garbage, q quit (or Ctrl+C)")
        if not display:
            say(f"screenshots every {SCREENSHOT_EVERY_S} s: {args.screenshot}")

        log, last_shot, started = "", 0.0, time.monotonic()
        while True:
            if launcher.poll() is not None:
                say(f"navoroLauncher ended (exit code {launcher.returncode})")
                break
            if simulator.poll() is not None:
                break
            if args.seconds and time.monotonic() - started > args.seconds:
                break
            probe = subprocess.run(["wine", str(PROBE_EXE), "log"], env=env, capture_output=True,
                                   stdin=subprocess.DEVNULL)
            if probe.returncode == 0:
                text = probe.stdout.decode("utf-8", "replace")
                for line in reversed(new_log_lines(log, text)):
                    emit(f"  log | {line}")
                log = text
            if not display and time.monotonic() - last_shot >= SCREENSHOT_EVERY_S:
                subprocess.run(["import", "-window", "root", "-display", env["DISPLAY"], args.screenshot],
                               capture_output=True)
                last_shot = time.monotonic()
            time.sleep(1)
    except KeyboardInterrupt:
        pass
    finally:
        for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(signum, signal.SIG_IGN)
        say("stopping")
        if simulator.poll() is None:
            simulator.terminate()
            simulator.wait(timeout=10)
        if launcher and launcher.poll() is None:
            for target in (["close", "NavoroMap"], ["close-title", "navoroLauncher"]):
                subprocess.run(["wine", str(PROBE_EXE), *target], env=env, capture_output=True,
                               stdin=subprocess.DEVNULL)
            try:
                launcher.wait(timeout=10)
            except subprocess.TimeoutExpired:
                launcher.kill()
        wine_down()
        say("stopped")


if __name__ == "__main__":
    main()
