# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed program as a screen reader meets it: started on its own Xvfb with its own
AT-SPI bus (run under dbus-run-session), worked with keys alone through xdotool, read back
over AT-SPI, the values as well as the events a reader speaks from, and heard through Orca
itself, with speech off and its debug log on; then started again on a German desktop, where
Orca says the same in German.

Usage: atspi_keyboard.py PROGRAM"""

import json
import os
import re
import subprocess
import sys
import tempfile
import time

# Every root session shares one accessibility bus unless it has a runtime folder of its own.
RUNTIME = tempfile.TemporaryDirectory()
os.environ["XDG_RUNTIME_DIR"] = RUNTIME.name

import pyatspi  # noqa: E402  (the bus is chosen as it loads)
from gi.repository import GLib  # noqa: E402

heard = []


def hear(event):
    try:
        name = event.source.name
    except Exception:  # the source may be gone already
        name = ""
    heard.append((event.type, name, event.detail1, event.source))


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def start_display():
    # No reset when a client leaves: the accessibility bus launcher leaves at once, and a
    # server resetting then turns away the window manager starting beside it.
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE)
    display = ":" + server.stdout.readline().decode().strip()
    os.environ["DISPLAY"] = display
    manager = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    return [manager, server]


def nodes(root):
    yield root
    for index in range(root.childCount):
        child = root.getChildAtIndex(index)
        if child is not None and child.getRoleName() != "table cell":
            yield from nodes(child)


def find(root, test, what):
    for _ in range(100):
        for node in nodes(root):
            if test(node):
                return node
        pump(0.1)
    raise AssertionError("nothing on the AT-SPI bus reads as " + what)


class Orca:
    """Orca with speech off: every line SPEECH OUTPUT: '...' of its debug log is what a pupil
    would hear."""

    def __init__(self):
        settings = os.path.join(RUNTIME.name, "orca")
        os.makedirs(settings)
        with open(os.path.join(settings, "user-settings.conf"), "w") as conf:
            json.dump({"general": {"enableSpeech": False, "enableBraille": False,
                                   "enableSound": False},
                       "keybindings": {}, "pronunciations": {},
                       "profiles": {"default": {"profile": ["Default", "default"],
                                                "enableSpeech": False}}}, conf)
        self.log = os.path.join(RUNTIME.name, "orca.log")
        self.process = subprocess.Popen(["orca", "-u", settings, "--debug-file=" + self.log,
                                         "-d", "braille"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.read = 0
        time.sleep(4)  # Orca has registered its listeners by now

    def speech(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established", log.read())

    def heard(self, *expected):
        """Waits until Orca has said each expected text since the last call; its log is
        written in blocks, so a shift key now and then makes it write out the rest."""
        for _ in range(12):
            said = self.speech()[self.read:]
            if all(any(text in line for line in said) for text in expected):
                break
            pump(0.5)
            subprocess.run(["xdotool", "key", "shift"], check=True)
        for text in expected:
            print(f"Orca said {text!r}")
            if not any(text in line for line in said):
                raise AssertionError(f"Orca did not say {text!r}; it said {said!r}")
        self.read = len(self.speech())


def named(root, name):
    return find(root, lambda node: node.name == name, name)


def starting(root, prefix):
    return find(root, lambda node: node.name.startswith(prefix), prefix + "...")


def keys(*names):
    del heard[:]
    for name in names:  # one at a time: a key repeated at once may be taken as held
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.15)
    pump(0.6)


def check(actual, expected, step):
    print(f"{step}: {actual!r}")
    if actual != expected:
        raise AssertionError(f"{step}: read {actual!r}, expected {expected!r}")


def heard_count(kind, prefix):
    return sum(1 for event in heard if event[0].startswith(kind) and event[1].startswith(prefix))


def odometers(frame):
    return [starting(frame, radix + ",").name
            for radix in ("Binary", "Octal", "Decimal", "Hexadecimal")]


def story(frame, orca):
    keys("plus")
    orca.heard("notification Decimal, 0 0 1")
    keys("plus")  # the keypad's + is Orca's own
    keys("Up")
    check(odometers(frame), ["Binary, 0 0 0 0 0 0 1 1", "Octal, 0 0 3", "Decimal, 0 0 3",
                             "Hexadecimal, 0 3"], "Odometer after +, +, Up")
    for _ in range(4):
        keys("Down")
        check(heard_count("object:property-change:accessible-name", "Octal"), 1,
              "octal name changes heard for one step down (through the wrap too)")
    check(odometers(frame), ["Binary, 1 1 1 1 1 1 1 1", "Octal, 3 7 7", "Decimal, 2 5 5",
                             "Hexadecimal, F F"], "Odometer after four Downs")

    keys("equal")
    orca.heard("notification Binary, 1 1 1 1 1 1 1 1. Octal, 3 7 7. Decimal, 2 5 5. "
               "Hexadecimal, F F")

    up = named(frame, "Count up automatically")
    keys("Prior")
    check(up.getState().contains(pyatspi.STATE_CHECKED), True, "counting up: ^ pressed")
    check(named(frame, "Decimal, 0 0 0").name, "Decimal, 0 0 0", "Odometer counted up from 255")
    keys("Prior")
    check(up.getState().contains(pyatspi.STATE_CHECKED), False, "counting stopped: ^ pressed")
    orca.heard("notification Counting up", "notification Decimal, 0 0 0", "notification Stopped")

    keys("Tab", "Tab", "Tab", "Tab", "Tab", "Right", "Right")
    orca.heard("Hexadecimal, 0 0 label", "notification Hexadecimal digit 0, binary 0 0 0 0")
    keys("numbersign")
    orca.heard("Decimal: text")
    keys("7", "Return")
    orca.heard("notification Decimal, 0 0 7")

    keys("ctrl+Tab")
    orca.heard("notification Hexadecimal numbers. Enter first number")
    keys("F", "F", "F", "F")
    orca.heard("notification First number: F", "notification First number: F F F F. "
               "Enter second number")
    keys("1", "BackSpace", "1", "Return", "plus")
    board = find(frame, lambda node: node.name == "Result, column 5", "the result row")
    result = [node for node in nodes(board.parent) if node.name.startswith("Result, column")]
    check([node.name[-1] + "=" + node.description for node in result],
          ["5=1", "4=0", "3=0", "2=0", "1=0"], "result row read left to right")
    working = find(frame, lambda node: node.description.startswith("F F F F plus"), "a working")
    check(working.description,
          "F F F F plus 1 equals 1 0 0 0 0; carried into columns 2, 3, 4 and 5", "the sum")
    orca.heard("notification Second number: 1", "notification Second number: empty",
               "Press + or -",
               "notification F F F F plus 1 equals 1 0 0 0 0; carried into columns 2, 3, 4 and 5")
    keys("minus")
    check(working.description, "F F F F minus 1 equals F F F E", "the difference")
    check(sum(1 for event in heard
              if event[0].endswith("accessible-description") and event[3] == working), 1,
          "description changes heard for the line under the board")
    keys("alt+h", "1", "Return", "1", "0", "0", "0", "minus")
    orca.heard("notification 1 minus 1 0 0 0: the second number is larger, so 1 0 0 0 minus 1 "
               "equals F F F, and the result is negative: minus F F F")

    keys("ctrl+Next", "Tab", "Tab")
    box = named(frame, "Jump to value")
    check(box.getState().contains(pyatspi.STATE_FOCUSED), True, "Tab reaches the box")
    keys("6", "5", "Return")
    grid = named(frame, "Value table")
    check(grid.queryTable().getSelectedRows(), [193], "selected row after jumping to 65")
    check(box.queryText().getText(0, -1), "65", "the box speaks its value")
    orca.heard("notification Binary: 01000001, Octal: 101, Hex: 41, Unsigned: 65, Signed: 65, "
               "Char: 'A'")
    keys("Down")
    spoken = [event[1] for event in heard
              if event[0] in ("focus:", "object:state-changed:focused",
                              "object:active-descendant-changed") and event[1]]
    check("01000010" in spoken, True, "a Down move announces the row of 66 " + repr(spoken))
    check(heard_count("object:state-changed:selected", "01000010"), 1,
          "a Down move announces the row of 66 selected")


def start_program(program, language, title):
    """The program in the language, its window found by its title there and made active;
    returns the process and the window's frame on the bus."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", LANGUAGE=language)
    process = subprocess.Popen([program], env=env)
    desktop = pyatspi.Registry.getDesktop(0)
    frame = find(desktop, lambda node: node.name == title and node.getRoleName() == "frame",
                 "the window " + title)
    subprocess.run(["xdotool", "search", "--sync", "--name", "^%s$" % title,
                    "windowactivate", "--sync"], check=True)
    pump(1)
    return process, frame


def german_story(frame, orca):
    """A German desktop: what Orca says is German too."""
    keys("plus")
    orca.heard("notification Dezimal, 0 0 1")
    keys("ctrl+Tab")
    orca.heard("notification Hexadezimalzahlen. Erste Zahl eingeben")


def main():
    program = sys.argv[1]
    processes = start_display()
    processes.insert(0, subprocess.Popen(["/usr/libexec/at-spi-bus-launcher",
                                          "--launch-immediately"]))
    orca = Orca()
    processes.insert(0, orca.process)
    pyatspi.Registry.registerEventListener(
        hear, "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:state-changed",
        "focus:", "object:selection-changed", "object:active-descendant-changed")
    try:
        english, frame = start_program(program, "en", "Numeric Formats")
        processes.insert(0, english)
        story(frame, orca)
        english.terminate()
        english.wait()
        german, frame = start_program(program, "de", "Zahlenformate")
        processes.insert(0, german)
        german_story(frame, orca)
    finally:
        for process in processes:
            process.terminate()
            process.wait()
    print("PASS")


if __name__ == "__main__":
    main()
