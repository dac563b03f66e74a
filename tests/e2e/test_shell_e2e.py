"""The program as a whole: one instance, keys, the About box, the registry."""

import subprocess
import time
import unittest

from harness import LauncherRun, capture_cycles, wait_for

ABOUT_TITLE = "Info über navoroLauncher"
ID_APP_ABOUT = 57664


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


class ShellEndToEnd(unittest.TestCase):
    def about_box(self, run):
        return [w for w in run.top_level_windows() if w["title"] == ABOUT_TITLE and w["visible"]]

    def popup_menu(self, run):
        return [w for w in run.top_level_windows() if w["cls"] == "#32768" and w["visible"]]

    def bar_buttons(self, run):
        """(command id, screen rectangle) of each command bar button, in bar order."""
        rows = [line.split("\t") for line in run.probe("buttons").splitlines()]
        return [(int(r[1]), tuple(int(v) for v in r[2].split())) for r in rows if len(r) == 3]

    def click_pane(self, run):
        x, y, _w, _h = run.launcher_windows()[0]["rect"]
        run.click(x + 200, y + 200)

    def test_a_second_start_brings_the_first_to_the_front_and_ends(self):
        with LauncherRun() as run:
            wait_for(run.map_windows, what="the map window")
            run.probe("activate", "NavoroMap")
            wait_for(lambda: run.probe("foreground").strip() == "NavoroMap (stand-in)", what="the map in front")

            second = run.start()
            self.assertEqual(second.wait(timeout=20), 0, "the second start ends by itself")
            self.assertEqual(run.probe("foreground").strip(), "navoroLauncher")
            time.sleep(2)  # a map the second start launched would show by now
            self.assertEqual(len(run.launcher_windows()), 1)
            self.assertEqual(len(run.map_windows()), 1)
            self.assertEqual(run.log_lines().count("stating navoro: success"), 1)

    def test_edit_keys_do_nothing_in_the_pane_and_ctrl_q_ends_the_program(self):
        with LauncherRun(with_port=False) as run:
            run.wait_for_log("open com port: failed")
            self.click_pane(run)
            time.sleep(0.5)
            run.xdotool("type", "--delay", "50", "typed")
            wait_for(lambda: "typed" in run.probe("log"), what="typed text in the pane")
            run.xdotool("key", "shift+Home")  # select the typed text, which cut or copy would take
            run.probe("clipboard", "marker")  # what paste would insert
            before = run.probe("log")
            for key in ("ctrl+x", "ctrl+c", "ctrl+v", "ctrl+z", "ctrl+n", "ctrl+o", "ctrl+s"):
                run.xdotool("key", key)
                time.sleep(0.3)
                self.assertEqual(run.probe("log"), before, key)
                self.assertEqual(run.probe("clipboard"), "marker", key)
            self.assertEqual(len(run.launcher_windows()), 1)

            run.xdotool("key", "ctrl+q")
            self.assertEqual(run.process.wait(timeout=15), 0)

    def test_about_opens_from_the_menu_and_the_bar_while_the_relay_goes_on(self):
        with LauncherRun(install_map=False) as run:
            run.wait_for_log("noSignalCounter = 1")
            buttons = self.bar_buttons(run)
            self.assertEqual([b[0] for b in buttons][2:], [57635, 57634, 57637, ID_APP_ABOUT])

            # "Extras" holds only the About entry.
            run.click(*centre(buttons[1][1]))
            wait_for(lambda: self.popup_menu(run), what="the Extras popup")
            run.xdotool("key", "Down", "Return")
            wait_for(lambda: self.about_box(run), what="the about box from the menu")
            ticks = run.log_lines()
            wait_for(lambda: run.log_lines() != ticks, what="a tick while the about box is open")
            # The box is modal: the bar's About button does not open a second one.
            run.click(*centre(buttons[5][1]))
            time.sleep(0.5)
            self.assertEqual(len(self.about_box(run)), 1)
            run.xdotool("key", "Escape")
            wait_for(lambda: not self.about_box(run), what="the about box to close")

            run.click(*centre(buttons[5][1]))
            wait_for(lambda: self.about_box(run), what="the about box from the bar")
            run.xdotool("key", "Return")
            wait_for(lambda: not self.about_box(run), what="the about box to close")
            self.assertEqual(len(run.launcher_windows()), 1)

    def test_the_map_going_away_while_the_about_box_is_open_ends_the_program(self):
        with LauncherRun() as run:
            wait_for(run.map_windows, what="the map window")
            run.port.write(capture_cycles("haicom-305N.log")[0])
            run.wait_for_log("Starting Navoro GPS mode ")
            run.click(*centre(self.bar_buttons(run)[5][1]))
            wait_for(lambda: self.about_box(run), what="the about box")
            run.probe("close", "NavoroMap")
            self.assertEqual(run.process.wait(timeout=15), 0)

    def test_a_run_writes_nothing_to_the_registry(self):
        with LauncherRun() as run:
            run.wait_for_log("open com port: success")
        for key in (r"HKCU\Software\Local AppWizard-Generated Applications", r"HKCU\Software\navoroLauncher"):
            result = subprocess.run(["wine", "reg", "query", key], env=run.env, capture_output=True,
                                    stdin=subprocess.DEVNULL)
            self.assertNotEqual(result.returncode, 0, f"{key} exists")


if __name__ == "__main__":
    unittest.main()
