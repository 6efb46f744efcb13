#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca, a real screen reader, says of the real vorlix binary used with
X input, read from Orca's debug log once it has ended: Orca has no speech
server here, as there may be no sound. usage: screen_reader_e2e.py VORLIX"""

import datetime
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_session  # pylint: disable=wrong-import-position

# Keys, 0.3 s apart, and what Orca must then say, once.
STEPS = (("1 Return 2 Return 1 Return 3 alt+c", "notification result: 5 over 6."),
         ("shift+Tab " * 6 + "space", "notification operation: divide."),
         ("alt+n", "notification every box is empty; first number, numerator."),
         ("3 Return 4 Return 1 Return 2 Return", "notification result: 1 and 1 over 2."),
         ("Tab", "result, whole part text. 1 selected. result: 1 and 1 over 2."),
         ("shift+Tab " * 4 + "Return", "first number, denominator text. 4."),
         ("shift+Tab Menu", "notification first number, numerator: yellow."),
         ("Tab " * 6 + "shift+F10", "notification Calculate: yellow."),
         ("alt+w", "notification window background: yellow."))

if subprocess.run("command -v orca && ! pgrep -xu $(id -u) orca", shell=True, check=False,
                  stdout=subprocess.DEVNULL).returncode:
    print("SKIP: no Orca, or one runs for this user already (Orca runs once a user)")
    sys.exit(77)
atspi_session.enter()
desktop = atspi_session.Desktop(sys.argv[1], window_manager=True)
folder, starts = atspi_session.folder(), []
os.makedirs(settings := os.path.join(folder, "data", "orca"))  # in the throwaway home
with open(os.path.join(settings, "orca-customizations.py"), "w", encoding="utf-8") as f:
    f.write("import orca.settings as s\ns.speechFactoryModules = []\ns.speechServerFactory = ''\n")
orca = subprocess.Popen(["orca", "--debug-file=" + os.path.join(folder, "orca.txt")])
try:
    time.sleep(5)  # Orca is ready within about a second, openbox has given the window the focus
    for keys, _ in STEPS + (("shift", ""),):  # the last step ends as a shift begins
        starts.append(datetime.datetime.now().strftime("%H:%M:%S.%f"))  # as Orca's log has it
        subprocess.run(["xdotool", "key", "--delay", "300"] + keys.split(), check=True, timeout=30)
        time.sleep(2)
    orca.terminate()  # heeded once something wakes Orca's main loop, as a key does
    while orca.poll() is None:
        subprocess.run(["xdotool", "key", "--delay", "500", "shift", "shift"], check=True)
finally:
    orca.kill()
    desktop.stop()
with open(os.path.join(folder, "orca.txt"), encoding="utf-8", errors="replace") as log:
    said = [(line[:15], found[1]) for line in log
            for found in [re.search(r"SPEECH OUTPUT: '(.*?)' ?(?:voice=\w+)?\{", line)] if found]
heard = [" ".join(text for when, text in said if start <= when < end)
         for start, end in zip(starts, starts[1:])]
sys.exit("\n".join("after %s Orca said %r, not %r once" % (keys, words, phrase)
                   for (keys, phrase), words in zip(STEPS, heard) if words.count(phrase) != 1)
         or None)  # a text is printed and fails the test
