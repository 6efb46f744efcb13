#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real vorlix binary used from the keyboard alone, with real X input
from xdotool: Tab reaches every control that can take the focus, the
context-menu key and Shift+F10 recolour the focused control, and Alt+C
calculates. Which control has the focus, and what a box holds, are read
through AT-SPI; colours from a screenshot.

usage: keyboard_e2e.py VORLIX VORLIX_DESCRIBE
"""

import os
import subprocess
import sys
import time
import unittest

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_session  # pylint: disable=wrong-import-position

atspi_session.enter()

VORLIX, DESCRIBE = sys.argv[1], sys.argv[2]
YELLOW, BLUE, ORANGE = (255, 255, 0), (0, 0, 255), (255, 128, 0)
desktop = None  # pylint: disable=invalid-name
window_id = None  # pylint: disable=invalid-name


def setUpModule():  # pylint: disable=invalid-name
    global desktop, window_id  # pylint: disable=global-statement
    desktop = atspi_session.Desktop(VORLIX, window_manager=True)
    window_id = subprocess.run(
        ["xdotool", "search", "--sync", "--onlyvisible", "--name", r"^Vorlix [0-9.]+$"],
        check=True, capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window_id], check=True, timeout=10)
    atspi_session.wait_for("the first numerator to have the focus",
                           lambda: desktop.focused_name() == "first number, numerator")


def tearDownModule():  # pylint: disable=invalid-name
    if desktop:
        desktop.stop()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), check=True, timeout=10)


def focus_by_tab(name):
    """Tabs until that control has the focus, at most once round the window."""
    for _ in range(len(list(desktop.frame)) + 1):
        if desktop.focused_name() == name:
            return
        before = desktop.focused_name()
        key("Tab")
        atspi_session.wait_for("the focus to move on from %r" % before,
                               lambda b=before: desktop.focused_name() != b)
    raise AssertionError("Tab never reached %r" % name)


def colour_inside(name):
    """The colour of a control near its right edge, half way down: clear
    of text that starts at the left or is centred."""
    screen = desktop.pyatspi.DESKTOP_COORDS
    x, y, width, height = desktop.control(name).queryComponent().getExtents(screen)
    # Measured from the window's client area, which is what import takes.
    left, top, _, _ = desktop.frame.queryComponent().getExtents(screen)
    x, y = x - left, y - top
    shot = os.path.join(atspi_session.folder(), "shot.png")
    subprocess.run(["import", "-window", window_id, shot], check=True, timeout=10)
    rgb = subprocess.run(
        ["convert", shot, "-crop", "1x1+%d+%d" % (x + width - 6, y + height // 2),
         "-depth", "8", "rgb:-"], check=True, capture_output=True, timeout=10).stdout
    return tuple(rgb)


def expect_colour(name, colour):
    atspi_session.wait_for("%r to be %r" % (name, colour),
                           lambda: colour_inside(name) == colour, timeout=3,
                           seen=lambda: "; it is %r" % (colour_inside(name),))


class TabOrder(unittest.TestCase):
    def test_tab_reaches_every_control_that_can_take_the_focus(self):
        rows = subprocess.run([DESCRIBE], check=True, capture_output=True,
                              text=True).stdout.splitlines()
        focusable = {row.split("\t")[1] for row in rows
                     if row.split("\t")[0] in ("TextBox", "CommandButton")}
        # A hidden box cannot take the focus (the result's whole part, until
        # a result has one).
        showing = {name for name in focusable
                   if desktop.has_state(desktop.control(name), "showing")}
        focus_by_tab("first number, numerator")
        reached = []
        for _ in range(len(showing) + 1):
            before = desktop.focused_name()
            reached.append(before)
            key("Tab")
            atspi_session.wait_for("the focus to move on from %r" % before,
                                   lambda b=before: desktop.focused_name() != b)
        self.assertEqual(reached[-1], reached[0], "Tab comes back round: %r" % reached)
        self.assertEqual(sorted(reached[:-1]), sorted(showing))


class ContextMenuKeyRecolours(unittest.TestCase):
    def test_focused_control_takes_the_next_colour(self):
        # Entry boxes and command buttons each step through the palette as
        # a group; entry 1 is yellow, 2 blue, 3 orange.
        steps = (
            ("first number, denominator", "Menu", YELLOW),
            ("first number, denominator", "shift+F10", BLUE),
            ("first number, denominator", "Menu", ORANGE),
            ("Calculate", "Menu", YELLOW),
            ("Calculate", "shift+F10", BLUE),
        )
        typed = desktop.text("first number, denominator")
        for name, pressed, colour in steps:
            with self.subTest(control=name, key=pressed):
                focus_by_tab(name)
                key(pressed)
                expect_colour(name, colour)
                self.assertEqual(desktop.focused_name(), name, "the focus stays")
        self.assertEqual(desktop.text("first number, denominator"), typed, "nothing was typed")


class AccessKeys(unittest.TestCase):
    def test_alt_c_calculates_where_the_focus_is(self):
        focus_by_tab("first number, numerator")
        key("1", "Tab", "2", "Tab", "1", "Tab", "4")
        # Typed keys reach the box a moment later.
        atspi_session.wait_for("the second denominator to hold 4",
                               lambda: desktop.text("second number, denominator") == "4")
        key("alt+c")
        atspi_session.wait_for("3/4", lambda: (desktop.text("result, numerator"),
                                               desktop.text("result, denominator")) == ("3", "4"))
        time.sleep(0.2)
        self.assertEqual(desktop.focused_name(), "second number, denominator")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2, warnings="ignore")
