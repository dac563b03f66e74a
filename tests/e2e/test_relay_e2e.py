"""The launcher's main job end to end: a receiver on COM8, the stand-in map, the log pane."""

import time
import unittest

from harness import API_FILE, LauncherRun, capture_cycles, wait_for

START_LINES = ["open com port: success", "stating navoro: success"]


def first_sentence(cycle: bytes) -> bytes:
    return cycle.split(b"\r")[0].split(b"\n")[0]


class RelayEndToEnd(unittest.TestCase):
    def test_sentences_from_a_real_receiver_reach_the_map(self):
        cycles = capture_cycles("haicom-305N.log")[:3]
        sentences = [first_sentence(c) for c in cycles]
        with LauncherRun() as run:
            run.wait_for_log("open com port: success")
            self.assertEqual(run.log_lines()[-2:], START_LINES)
            self.assertEqual(len(run.launcher_windows()), 1)
            wait_for(run.map_windows, what="the map window")

            for cycle, sentence in zip(cycles, sentences):
                run.port.write(cycle)
                run.wait_for_log(sentence.decode())

            journal = run.journal()
            self.assertEqual(journal[0], (131, sentences[0]), "GPS mode starts once the file holds the sentence")
            self.assertEqual(journal[1:], [(133, s) for s in sentences])
            lines = run.log_lines()
            first = lines.index(sentences[0].decode())
            self.assertEqual(lines[first + 1], "Starting Navoro GPS mode ")
            self.assertLess(lines.index(sentences[2].decode()), lines.index(sentences[1].decode()))
            self.assertEqual(API_FILE.read_bytes(), sentences[-1])

    def test_silence_resets_the_port_and_the_relay_recovers(self):
        with LauncherRun() as run:
            run.wait_for_log("resetting Com", timeout=15)
            lines = run.log_lines()
            reset = lines.index("resetting Com")
            self.assertEqual(lines[reset + 1:reset + 5], [f"noSignalCounter = {n}" for n in (4, 3, 2, 1)])
            def a_tick_after_the_reset():
                lines = run.log_lines()  # one look at the pane for both the wait and the check
                return lines if lines.index("resetting Com") > 0 else None

            lines = wait_for(a_tick_after_the_reset, what="a tick after the reset")
            self.assertEqual(lines[lines.index("resetting Com") - 1], "noSignalCounter = 1")

            sentence = first_sentence(capture_cycles("garmin17n.log")[0])
            run.port.write(capture_cycles("garmin17n.log")[0])
            run.wait_for_log(sentence.decode())

    def test_the_launcher_ends_when_the_map_goes_after_gps_mode(self):
        with LauncherRun() as run:
            wait_for(run.map_windows, what="the map window")
            run.port.write(capture_cycles("haicom-305N.log")[0])
            run.wait_for_log("Starting Navoro GPS mode ")
            run.probe("close", "NavoroMap")
            self.assertEqual(run.process.wait(timeout=15), 0)

    def test_a_missing_map_is_logged_and_sentences_still_reach_the_file(self):
        cycle = capture_cycles("mtk-3329.log")[0]
        with LauncherRun(install_map=False) as run:
            run.wait_for_log("stating navoro: failed")
            self.assertEqual(run.log_lines()[-2:], ["open com port: success", "stating navoro: failed"])
            run.port.write(cycle)
            run.wait_for_log(first_sentence(cycle).decode())
            self.assertEqual(API_FILE.read_bytes(), first_sentence(cycle))
            self.assertNotIn("Starting Navoro GPS mode ", run.log_lines())

    def test_a_missing_port_is_logged_and_the_relay_stays_idle(self):
        with LauncherRun(with_port=False) as run:
            run.wait_for_log("open com port: failed")
            time.sleep(2.5)  # ticks would have logged by now
            self.assertEqual(run.log_lines(), ["open com port: failed", "stating navoro: success"])


if __name__ == "__main__":
    unittest.main()
