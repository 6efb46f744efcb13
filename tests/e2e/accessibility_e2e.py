#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real vorlix binary as a screen reader meets it, over a real AT-SPI
bus: the accessible tree against the program's own tables (printed by
vorlix-describe), a calculation done through AT-SPI alone, the events that
tell a screen reader the result changed, and the error alert.

usage: accessibility_e2e.py VORLIX VORLIX_DESCRIBE
"""

import os
import subprocess
import sys
import unittest

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_session  # pylint: disable=wrong-import-position

atspi_session.enter()

VORLIX, DESCRIBE = sys.argv[1], sys.argv[2]
ROLE_OF_KIND = {"Window": "frame", "TextBox": "text", "CommandButton": "push button",
                "Label": "label"}
RESULT = ("result, whole part", "result, numerator", "result, denominator")
desktop = None  # pylint: disable=invalid-name


def setUpModule():  # pylint: disable=invalid-name
    global desktop  # pylint: disable=global-statement
    desktop = atspi_session.Desktop(VORLIX)


def tearDownModule():  # pylint: disable=invalid-name
    desktop.stop()


def table():
    """(kind, name, description) of every element with a widget."""
    lines = subprocess.run([DESCRIBE], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    return [tuple(line.split("\t")) for line in lines]


def enter(first, second):
    """Fills the six boxes through EditableText: (whole, numerator, denominator)."""
    for number, parts in (("first", first), ("second", second)):
        for part, text in zip(("whole part", "numerator", "denominator"), parts):
            desktop.set_text("%s number, %s" % (number, part), text)


def start_afresh():
    """New, and waits for its click: a box that held a digit is empty."""
    desktop.set_text("first number, numerator", "9")
    desktop.press(desktop.control("New"))
    atspi_session.wait_for("New to empty the boxes",
                           lambda: desktop.text("first number, numerator") == "")


def choose(operation):
    desktop.press(desktop.control(operation))
    atspi_session.wait_for("the operation " + operation, lambda: any(
        child.name == "operation: " + operation for child in desktop.frame))


class TreeMatchesTheTables(unittest.TestCase):
    def test_window_is_a_frame_named_by_its_title(self):
        kind, name, description = table()[0]
        self.assertEqual(kind, "Window")
        self.assertEqual((desktop.frame.getRoleName(), desktop.frame.name,
                          desktop.frame.description), ("frame", name, description))
        # The title is the program's name and version, as --version says them.
        version = subprocess.run([VORLIX, "--version"], check=True, capture_output=True,
                                 text=True).stdout.strip()
        self.assertEqual(name, version)

    def test_every_element_has_its_role_name_and_description(self):
        start_afresh()  # a result box describes the result while there is one
        rows = [row for row in table() if row[0] != "Window"]
        for kind, name, description in rows:
            with self.subTest(name=name):
                element = desktop.control(name)
                self.assertEqual(element.getRoleName(), ROLE_OF_KIND[kind])
                self.assertEqual(element.description, description)
        self.assertEqual(sorted(c.name for c in desktop.frame if c.getRoleName() != "notification"),
                         sorted(name for _, name, _ in rows),
                         "the window holds exactly the elements of the table")

    def test_names_say_which_number_and_which_part(self):
        # Worded here, not taken from the table, so that a table row that
        # lost its words is caught too.
        for number in ("first number", "second number", "result"):
            for part in ("whole part", "numerator", "denominator"):
                with self.subTest(number=number, part=part):
                    self.assertEqual(desktop.control(number + ", " + part).getRoleName(),
                                     "text")

    def test_access_keys_are_exposed_on_press(self):
        for name, keys in (("Calculate", "Alt+C"), ("New", "Alt+N"), ("add", "")):
            with self.subTest(name=name):
                self.assertEqual(desktop.key_binding(desktop.control(name), "Press"), keys)

    def test_operator_label_names_the_operation_in_force(self):
        start_afresh()
        for button, words in (("multiply", "operation: multiply"),
                              ("subtract", "operation: subtract"),
                              ("divide", "operation: divide"), ("add", "operation: add")):
            with self.subTest(button=button):
                choose(button)
                self.assertEqual(desktop.control(words).getRoleName(), "label")


class CalculationThroughAtSpi(unittest.TestCase):
    @staticmethod
    def result():
        """The text of each showing result box; None for a hidden one."""
        return tuple(desktop.text(name) if desktop.has_state(desktop.control(name), "showing")
                     else None for name in RESULT)

    def test_sums(self):
        cases = (
            # first, second (whole, numerator, denominator), the result boxes
            (("1", "1", "2"), ("2", "1", "3"), ("3", "5", "6")),
            (("", "1", "2"), ("", "1", "2"), ("1", None, None)),
            (("", "1", "3"), ("", "1", "3"), (None, "2", "3")),
        )
        for first, second, expected in cases:
            with self.subTest(first=first, second=second):
                start_afresh()
                enter(first, second)
                choose("add")
                desktop.press(desktop.control("Calculate"))
                atspi_session.wait_for("the result %r" % (expected,),
                                       lambda e=expected: self.result() == e,
                                       seen=lambda: "; it is %r" % (self.result(),))


class ResultChangesAreAnnounced(unittest.TestCase):
    def test_text_changed_events_for_the_result_boxes(self):
        from gi.repository import GLib  # pylint: disable=import-outside-toplevel
        start_afresh()
        heard = {}

        def listener(event):
            if event.type.startswith("object:text-changed:insert"):
                heard.setdefault(event.source.name, []).append(event.any_data)

        registry = desktop.pyatspi.Registry
        registry.registerEventListener(listener, "object:text-changed")
        try:
            pump(GLib, 0.3)  # the program learns that someone listens
            enter(("1", "1", "2"), ("2", "1", "3"))
            choose("add")
            desktop.press(desktop.control("Calculate"))
            pump(GLib, 3.0, lambda: all(name in heard for name in RESULT))
        finally:
            registry.deregisterEventListener(listener, "object:text-changed")
        self.assertEqual({name: heard.get(name) for name in RESULT},
                         {"result, whole part": ["3"], "result, numerator": ["5"],
                          "result, denominator": ["6"]})


def pump(glib, seconds, done=lambda: False):
    """Runs the GLib main loop for at most that long, or until done()."""
    loop = glib.MainLoop()

    def check():
        if done():
            loop.quit()
            return False
        return True

    glib.timeout_add(50, check)
    glib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


class ErrorAlert(unittest.TestCase):
    def test_division_by_zero_alert_is_read_and_dismissed(self):
        start_afresh()
        enter(("1", "1", "0"), ("", "1", "2"))
        choose("add")
        desktop.press(desktop.control("Calculate"))
        alert = atspi_session.wait_for("the alert", lambda: desktop.top_level("alert"))
        texts = [child.name for child in alert if child.getRoleName() == "label"]
        self.assertIn("11  Division by zero", texts)
        ok = find(alert, lambda a: a.getRoleName() == "push button" and a.name == "OK")
        self.assertIsNotNone(ok, "the alert has an OK button")
        desktop.press(ok)
        atspi_session.wait_for("the alert to close", lambda: desktop.top_level("alert") is None)
        # The window answers again: a sum goes through.
        start_afresh()
        enter(("", "1", "2"), ("", "1", "4"))
        desktop.press(desktop.control("Calculate"))
        atspi_session.wait_for("3/4 after the alert", lambda: (
            desktop.text("result, numerator"), desktop.text("result, denominator")) == ("3", "4"))


def find(accessible, matches):
    for child in accessible:
        if child is None:
            continue
        if matches(child):
            return child
        found = find(child, matches)
        if found is not None:
            return found
    return None


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2, warnings="ignore")
