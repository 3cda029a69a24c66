#!/usr/bin/python3
"""A task read back as a screen reader reads it: a count no variant can have
typed in the first of the pupil's boxes, F5; then the panel's verdicts say
the first kind has fewer, name no number, and the box itself says its
verdict; "Чертай" is disabled. F6 says what is easy to miss, with no
number; F6 again draws a figure over the canvas (its pixels change). Ctrl+S,
the pupil's name and a file's name write the task with his lines. Exits 0
when all hold."""
import os
import re
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written beside the sources
from keyboard_session_check import wait_for, xdotool  # noqa: E402
from screen_reader_check import find_application, walk  # noqa: E402

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

FIRST_BOX = "Равнобедрен триъгълник – вашият брой"
FEWER = "Равнобедрен триъгълник: не е вярно – има по-малко."


def named(app, name):
    return next((n for n in walk(app) if n.get_name() == name), None)


def description(node):
    node.clear_cache()
    return node.get_description() or ""


def check(app):
    if not wait_for(lambda: named(app, "Провери") is not None):
        return "the task's panel did not show"
    window = xdotool("search", "--sync", "--name", "координати").split()[0]
    xdotool("windowfocus", "--sync", window)
    box = named(app, FIRST_BOX)
    if box is None:
        return f"no box named {FIRST_BOX!r}"
    place = Atspi.Component.get_extents(box, Atspi.CoordType.SCREEN)
    xdotool("mousemove", str(place.x + place.width // 2), str(place.y + place.height // 2),
            "click", "1")
    xdotool("key", "ctrl+a")
    xdotool("type", "500")  # more than 15 points make triangles
    xdotool("key", "F5")
    verdicts = named(app, "Проверка")
    if not wait_for(lambda: verdicts is not None and FEWER in description(verdicts)):
        return f"the verdicts read {description(verdicts) if verdicts else None!r}"
    said = description(verdicts)
    print("verdicts:", said.replace("\n", " | "))
    if re.search(r"\d", said.replace("0, 1, 2, …", "")):
        return "a verdict names a number"
    if description(box) != FEWER:
        return f"the box says {description(box)!r}"
    draw = named(app, "Чертай")
    if draw.get_state_set().contains(Atspi.StateType.ENABLED):
        return "Чертай is enabled before the counts are right"
    return hints(app, window) or save(window)


def canvas(window, path):
    """The canvas of the pupil's window as on the screen, into the PNG path."""
    geometry = xdotool("getwindowgeometry", "--shell", window)
    place = dict(line.split("=") for line in geometry.split())
    x, y = int(place["X"]) + 10, int(place["Y"]) + 58
    subprocess.run(["import", "-window", "root", "-crop", f"263x229+{x}+{y}", "+repage", path],
                   check=True)


def hints(app, window):
    said = named(app, "Съобщение по задачата")
    xdotool("key", "F6")
    if not wait_for(lambda: said is not None and (said.get_description() or "") != ""):
        return "F6 said nothing"
    sentence = description(said)
    print("first hint:", sentence)
    if re.search(r"\d", sentence):
        return "the first hint names a number"
    folder = tempfile.mkdtemp()
    before, after = os.path.join(folder, "before.png"), os.path.join(folder, "after.png")
    canvas(window, before)
    xdotool("key", "F6")
    time.sleep(0.7)
    canvas(window, after)
    differing = subprocess.run(["compare", "-metric", "AE", before, after, "null:"],
                               capture_output=True, text=True).stderr.strip()
    print("canvas pixels changed by the second hint:", differing)
    if differing in ("", "0"):
        return "the second hint drew no figure over the canvas"
    return None


def focus_leaves(window, also=None, seconds=15):
    """The window that has the focus once it is neither window nor also."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        focused = xdotool("getwindowfocus").strip()
        named_window = focused not in (window, also, "") and subprocess.run(
            ["xdotool", "getwindowname", focused], capture_output=True, text=True).stdout.strip()
        if named_window:  # not the root, nor a window between two
            time.sleep(0.5)  # its field takes the focus as it shows
            return focused
        time.sleep(0.1)
    return None


def save(window):
    # typed by xdotool, which may miss letters outside the keyboard's layout
    path = os.path.join(tempfile.mkdtemp(), "ivan.pfig")
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--clearmodifiers", "ctrl+s")
    # the question of the pupil's name, then the file dialog offering his own
    # file: each a window of its own that takes the focus, waited for
    # however long a busy machine takes to show it
    question = focus_leaves(window)
    if question is None:
        return "Ctrl+S asked no name"
    time.sleep(0.3)
    xdotool("type", "--delay", "20", "Ivan Petrov, 6 a")
    xdotool("key", "Return")
    if focus_leaves(question, also=window) is None:
        return "no file dialog after the pupil's name"
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", path)
    xdotool("key", "Return")
    deadline = time.time() + 10
    while not os.path.exists(path) and time.time() < deadline:
        time.sleep(0.2)
    if not os.path.exists(path):
        return "Ctrl+S wrote no file"
    with open(path, encoding="utf-8") as file:
        lines = file.read().splitlines()
    print("saved:", " | ".join(lines[:6]))
    wanted = ["# ученик: Ivan Petrov, 6 a", "# отговор: 500 - - - - - -", "# проверки: 1",
              "# подсказки: 2", "# показани отговори: не"]
    if not lines[0].startswith("# Равнинни фигури: вариант 1 от 3, код ") or lines[1:6] != wanted:
        return f"the saved task begins {lines[:6]}"
    return None


def run(check_of, passed):
    """check_of(app) on the program's accessible application: its fault, or
    None; 0 when there is none."""
    app = find_application("plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    fault = check_of(app)
    print(fault or passed)
    return 1 if fault else 0


if __name__ == "__main__":
    sys.exit(run(check, "the task's check was read back over AT-SPI; Чертай stays disabled"))
