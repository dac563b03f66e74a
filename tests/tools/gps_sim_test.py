#!/usr/bin/env python3
"""The receiver simulator, read through its link as the launcher's port would be."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
SIMULATOR = os.path.join(REPO, "tools", "gps-sim.py")
CAPTURE = os.path.join(REPO, "tests", "data", "nmea", "haicom-305N.log")


def wait_for(condition, timeout=2.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.02)
    return condition()


def read_for(fd, seconds):
    """Everything that arrives on fd within seconds; None at end of file or error."""
    data = b""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            chunk = os.read(fd, 4096)
        except BlockingIOError:
            time.sleep(0.02)
            continue
        except OSError:
            return None
        if not chunk:
            return None
        data += chunk
    return data


def checksum_ok(sentence):
    body, _, given = sentence[1:].partition(b"*")
    value = 0
    for byte in body:
        value ^= byte
    return given == b"%02X" % value


class Simulator:
    def __init__(self, test, *args):
        self.dir = tempfile.mkdtemp(prefix="gps-sim-test-")
        self.link = os.path.join(self.dir, "com8")
        self.fifo = os.path.join(self.dir, "control")
        self.lines = []
        self.process = subprocess.Popen(
            [sys.executable, SIMULATOR, "--link", self.link, "--control", self.fifo, "--seed", "1", *args],
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
        threading.Thread(target=lambda: self.lines.extend(self.process.stdout), daemon=True).start()
        test.addCleanup(self.stop)
        test.assertTrue(wait_for(lambda: os.path.islink(self.link) and os.path.exists(self.fifo)), "no link")

    def open_port(self):
        return os.open(self.link, os.O_RDONLY | os.O_NOCTTY | os.O_NONBLOCK)

    def control(self, *words):
        with open(self.fifo, "w") as fifo:
            fifo.write("".join(word + "\n" for word in words))

    def said(self, text):
        return wait_for(lambda: any(text in line.decode() for line in self.lines))

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()
        shutil.rmtree(self.dir, ignore_errors=True)


class GpsSimTest(unittest.TestCase):
    def test_capture_at_the_receivers_pace_with_faults(self):
        sim = Simulator(self, "--file", CAPTURE)
        port = sim.open_port()
        self.addCleanup(os.close, port)
        received = read_for(port, 2.5)

        # The capture byte for byte, header lines left out, one cycle a second:
        # the lines before the first RMC, then two cycles, maybe a third.
        with open(CAPTURE, "rb") as f:
            payload = b"".join(line for line in f.read().splitlines(keepends=True) if not line.startswith(b"#"))
        self.assertTrue(received, "nothing arrived")
        self.assertTrue(payload.startswith(received), received[:200])
        self.assertIn(received.count(b"$GPRMC"), (2, 3))

        sim.control("pause")
        self.assertTrue(sim.said("paused"))
        read_for(port, 0.2)
        self.assertEqual(read_for(port, 1.3), b"", "data while paused")

        sim.control("unplug")
        self.assertTrue(wait_for(lambda: not os.path.lexists(sim.link)), "link still there")
        self.assertIsNone(read_for(port, 0.1), "the unplugged port still reads")

        sim.control("resume", "replug")
        self.assertTrue(wait_for(lambda: os.path.islink(sim.link)), "no link after replug")
        replugged = sim.open_port()
        self.addCleanup(os.close, replugged)
        self.assertIn(b"$GPRMC", read_for(replugged, 1.5))

        # The same by signals: SIGUSR2 toggles the plug, SIGUSR1 the pause.
        sim.process.send_signal(signal.SIGUSR2)
        self.assertTrue(wait_for(lambda: not os.path.lexists(sim.link)), "SIGUSR2 did not unplug")
        sim.process.send_signal(signal.SIGUSR2)
        self.assertTrue(wait_for(lambda: os.path.islink(sim.link)), "SIGUSR2 did not replug")
        sim.process.send_signal(signal.SIGUSR1)
        self.assertTrue(sim.said("paused"))

        sim.process.send_signal(signal.SIGTERM)
        self.assertEqual(sim.process.wait(timeout=3), 0)
        self.assertFalse(os.path.lexists(sim.link), "link left behind")
        self.assertFalse(os.path.exists(sim.fifo), "control FIFO left behind")

    def test_generated_track(self):
        sim = Simulator(self, "--track", "--interval", "0.2")
        port = sim.open_port()
        self.addCleanup(os.close, port)
        received = read_for(port, 1.1)
        sim.process.send_signal(signal.SIGINT)
        self.assertEqual(sim.process.wait(timeout=3), 0)

        self.assertTrue(received.endswith(b"\r\n"))
        sentences = received.split(b"\r\n")[:-1]
        self.assertGreaterEqual(len(sentences), 8)
        for sentence in sentences:
            self.assertTrue(checksum_ok(sentence), sentence)
        self.assertEqual([s[:6] for s in sentences[:4]], [b"$GPRMC", b"$GPGGA"] * 2)
        rmcs = [s.split(b",") for s in sentences if s.startswith(b"$GPRMC")]
        self.assertTrue(all(fields[2] == b"A" and fields[4] == b"S" for fields in rmcs))
        self.assertNotEqual(rmcs[0][5], rmcs[-1][5], "the receiver does not move")


if __name__ == "__main__":
    unittest.main()
