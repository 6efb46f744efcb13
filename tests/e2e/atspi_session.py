# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop with an accessibility bus, for the end-to-end tests
that look at the real program as a screen reader does.

Everything lives in one temporary folder: the session bus and the
accessibility bus listen there, and it is the program's XDG_CONFIG_HOME,
XDG_RUNTIME_DIR and HOME. A test script calls enter() first: the script
then runs again inside dbus-run-session on that private bus, and the
folder is removed when it ends. Inside, Desktop starts Xvfb (and, if asked,
openbox), the accessibility bus launcher and the real vorlix binary, and
finds the program's window through AT-SPI.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

_INSIDE = "VORLIX_ATSPI_SESSION"

_SESSION_BUS_CONFIG = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                   "session_bus.conf")

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def enter():
    """Runs this script again on a private session bus, unless it already
    runs on one; returns only inside it."""
    if os.environ.get(_INSIDE):
        return
    folder = tempfile.mkdtemp(prefix="vorlix-atspi-")
    try:
        config = os.path.join(folder, "session-bus.conf")
        with open(config, "w", encoding="utf-8") as f:
            with open(_SESSION_BUS_CONFIG, encoding="utf-8") as template:
                f.write(template.read().replace("@FOLDER@", folder))
        env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM",
                     "AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORMTHEME", "GTK_THEME"):
            env.pop(name, None)
        env.update({
            _INSIDE: folder,
            "HOME": folder,
            "XDG_CONFIG_HOME": os.path.join(folder, "config"),
            "XDG_CACHE_HOME": os.path.join(folder, "cache"),
            "XDG_DATA_HOME": os.path.join(folder, "data"),
            "XDG_RUNTIME_DIR": folder,
            # What is read and spoken is compared in English.
            "LC_ALL": "C.UTF-8", "LANGUAGE": "",
        })
        done = subprocess.run(
            ["dbus-run-session", "--config-file=" + config, "--",
             sys.executable] + sys.argv, env=env, check=False)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    sys.exit(done.returncode)


def folder():
    return os.environ[_INSIDE]


def wait_for(what, condition, timeout=5.0, step=0.05, seen=None):
    """Calls condition until it gives a true value, and returns that value;
    raises AssertionError naming what was awaited, and what seen() then
    returns, after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for %s%s" % (what, seen() if seen else ""))
        time.sleep(step)


def name_has_owner(name):
    from gi.repository import Gio, GLib  # pylint: disable=import-outside-toplevel
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus", "NameHasOwner",
                          GLib.Variant("(s)", (name,)), None,
                          Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
    return reply.unpack()[0]


def announce_screen_reader():
    """Sets org.a11y.Status IsEnabled, as a running screen reader does."""
    from gi.repository import Gio, GLib  # pylint: disable=import-outside-toplevel
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                  "Set", GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                                GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NO_AUTO_START, 2000, None)


class Desktop:
    """Xvfb, the accessibility bus and the real program, in folder()."""

    def __init__(self, vorlix, window_manager=False, env=None):
        self.processes = []
        self.folder = folder()
        try:
            self._start(vorlix, window_manager, env)
        except BaseException:
            self.stop()
            raise

    def _start(self, vorlix, window_manager, env):
        self._start_screen()
        if window_manager:
            self._spawn("openbox", ["openbox", "--sm-disable"])
            wait_for("the window manager", seen=self.logs, condition=lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                     subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                    capture_output=True, text=True, check=False).stdout)
        self._spawn("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"])
        wait_for("the accessibility bus", lambda: name_has_owner("org.a11y.Bus"))
        announce_screen_reader()
        program_env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb")
        program_env.update(env or {})
        self.vorlix = self._spawn("vorlix", [vorlix], program_env)
        import pyatspi  # pylint: disable=import-outside-toplevel
        self.pyatspi = pyatspi
        self.application = wait_for("vorlix on the accessibility bus", self._find_application,
                                    timeout=15)
        # Whatever role it has: the tests check that.
        self.frame = wait_for("the window", lambda: self.top_level(None))

    def _start_screen(self):
        """Xvfb on a free display. Without -noreset the server resets each
        time its last client leaves, and a program connecting during a reset
        fails; the bus launcher is such a passing client."""
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.folder, "xvfb.log"), "wb")  # pylint: disable=consider-using-with
        server = subprocess.Popen(  # pylint: disable=consider-using-with
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24",
             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), stdout=log, stderr=log)
        os.close(write_end)
        self.processes.append(server)
        with os.fdopen(read_end) as ready:
            number = ready.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start\n" + self.logs())
        os.environ["DISPLAY"] = ":" + number

    def _spawn(self, name, argv, env=None):
        log = open(os.path.join(self.folder, name + ".log"), "wb")  # pylint: disable=consider-using-with
        process = subprocess.Popen(argv, stdout=log, stderr=log,  # pylint: disable=consider-using-with
                                   env=env if env is not None else os.environ)
        self.processes.append(process)
        return process

    def _find_application(self):
        if self.vorlix.poll() is not None:
            raise RuntimeError("vorlix ended with %d:\n%s" % (self.vorlix.returncode,
                                                              self.logs()))
        desktop = self.pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.get_process_id() == self.vorlix.pid:
                return application
        return None

    def logs(self):
        """What every process started here has written."""
        text = ["%s: %s" % (" ".join(p.args), "running" if p.poll() is None else
                            "ended with %d" % p.returncode) for p in self.processes]
        for name in sorted(os.listdir(self.folder)):
            if name.endswith(".log"):
                with open(os.path.join(self.folder, name), encoding="utf-8",
                          errors="replace") as log:
                    text.append("--- %s\n%s" % (name, log.read()))
        return "\n".join(text)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    # What the program shows.

    def top_level(self, role):
        """The program's first showing top-level window of that role (None:
        of any role)."""
        for window in self.application:
            if window is not None and role in (None, window.getRoleName()) and \
                    self.has_state(window, "showing"):
                return window
        return None

    def control(self, name):
        """The one element of the main window with that accessible name; the
        notification that speaks the last announcement is none."""
        found = [c for c in self.frame if c.name == name and c.getRoleName() != "notification"]
        if len(found) != 1:
            raise AssertionError("%d elements named %r" % (len(found), name))
        return found[0]

    def has_state(self, accessible, state_name):
        wanted = getattr(self.pyatspi, "STATE_" + state_name.upper().replace(" ", "_"))
        return accessible.getState().contains(wanted)

    def focused_name(self):
        for child in self.frame:
            if self.has_state(child, "focused"):
                return child.name
        return None

    def text(self, name):
        return self.control(name).queryText().getText(0, -1)

    def set_text(self, name, text):
        self.control(name).queryEditableText().setTextContents(text)

    def press(self, accessible):
        """Does the Press action; Qt clicks a little later, as an access key does."""
        action = accessible.queryAction()
        for index in range(action.nActions):
            if action.getName(index) == "Press":
                if not action.doAction(index):
                    raise AssertionError("Press refused by %r" % accessible.name)
                return
        raise AssertionError("%r has no Press action" % accessible.name)

    def key_binding(self, accessible, action_name):
        action = accessible.queryAction()
        for index in range(action.nActions):
            if action.getName(index) == action_name:
                return action.getKeyBinding(index)
        return None
