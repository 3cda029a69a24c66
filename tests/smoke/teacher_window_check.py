#!/usr/bin/python3
"""The teacher's window, started with --teacher, as a teacher uses it: a
window of its own (no pupil's window beside it) that fits a 1024 x 768
screen; the folder typed into its field, 3 variants of 8 points asked for,
and "Състави вариантите" pressed make the set's files, as the message under
the form says. The controls are found and used over AT-SPI, as a screen
reader would. Exits 0 when all of it holds."""
import os
import sys
import tempfile

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

sys.dont_write_bytecode = True  # nothing written beside the sources
from keyboard_session_check import wait_for, xdotool  # noqa: E402
from screen_reader_check import find_application, walk  # noqa: E402

TITLE = "Равнинни фигури — за учителя"
FILES = {"вариант-01.pfig", "вариант-02.pfig", "вариант-03.pfig", "отговори.csv",
         "отговори.pdf", "работни-листове.pdf"}


def labelled(nodes, role, start):
    for node in nodes:
        if node.get_role() == role and (node.get_name() or "").startswith(start):
            return node
    return None


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    windows = xdotool("search", "--sync", "--onlyvisible", "--name", "Равнинни фигури").split()
    names = [xdotool("getwindowname", w).strip() for w in windows]
    if names != [TITLE]:
        print(f"windows shown: {names}, not the teacher's alone")
        return 1
    size = xdotool("getwindowgeometry", windows[0])
    width, height = (int(v) for v in size.split("Geometry: ")[1].split()[0].split("x"))
    if width > 1024 or height > 740:
        print(f"the teacher's window is {width} x {height}: too large for 1024 x 768")
        return 1
    nodes = list(walk(app))
    fields = {"Брой варианти": None, "Брой точки във вариант": None, "Папка": None}
    for start in fields:
        node = labelled(nodes, Atspi.Role.SPIN_BUTTON, start) or labelled(nodes, Atspi.Role.TEXT, start)
        if node is None:
            print(f"no field named {start!r} for a screen reader")
            return 1
        fields[start] = node
    folder = os.path.join(tempfile.mkdtemp(), "6а")
    fields["Брой варианти"].set_current_value(3)
    fields["Брой точки във вариант"].set_current_value(8)
    text = fields["Папка"]
    text.set_text_contents(folder)
    make = labelled(walk(app), Atspi.Role.PUSH_BUTTON, "Състави вариантите")
    if make is None:
        print('no button "Състави вариантите"')
        return 1
    make.do_action(0)
    if not wait_for(lambda: os.path.isdir(folder) and set(os.listdir(folder)) == FILES, 30):
        print(f"the folder holds {sorted(os.listdir(folder)) if os.path.isdir(folder) else 'nothing'}")
        return 1

    def said():
        for node in walk(app):
            if node.get_role() == Atspi.Role.LABEL and (node.get_name() or "").startswith("Готово"):
                return node.get_name()
        return None

    if not wait_for(lambda: said() is not None):
        print("the form does not say the set is made")
        return 1
    print(said())
    with open(os.path.join(folder, "вариант-02.pfig"), encoding="utf-8") as file:
        first = file.readline().strip()
    if not first.startswith("# Равнинни фигури: вариант 2 от 3, код "):
        print(f"variant 2 starts with {first!r}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
