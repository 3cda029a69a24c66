#!/usr/bin/python3
"""A session with keys alone, read back as a screen reader reads it: Tab to the
canvas, arrows, three points entered with Space, Return and keypad Enter,
Shift+Tab to "Чертай", Space, the report; Shift+Tab to the report and Down,
which chooses its first figure, whose reason is then heard. After each key on
the canvas its description must read as expected, a description-change event
must have come and the focus must have moved onto the cursor's node, named
with that text; after Down in the report its description is the reason.
Exits 0 when every step is right."""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

sys.dont_write_bytecode = True  # nothing written beside the sources
from screen_reader_check import find_application, walk  # noqa: E402

CANVAS = "Посочете връх на фигура"
OWN_TEXT = "Платно с мрежа през 20 пиксела. Щракване въвежда точка в най-близкия възел на мрежата."
STEPS = [  # a key, and the canvas's description after it
    ("Down", "X 140, Y 140, няма точка"), ("Up", "X 140, Y 120, няма точка"),
    ("space", "Въведена е точка 0. X 140, Y 120, точка 0"), ("Down", "X 140, Y 140, няма точка"),
    ("Return", "Въведена е точка 1. X 140, Y 140, точка 1"), ("Right", "X 160, Y 140, няма точка"),
    ("KP_Enter", "Въведена е точка 2. X 160, Y 140, точка 2"), ("Left", "X 140, Y 140, точка 1"),
]
REPORT = "Брой въведени точки: 3\nРавнобедрен и правоъгълен 0,1,2\n"
REASON = "Равнобедрен правоъгълен триъгълник 0, 1, 2"  # its first line
focused = []    # names of the objects that took the focus, last last
announced = []  # data of the description-change events of the canvas
reasoned = []   # the same of the report box


def on_event(event):
    if event.type.startswith("object:state-changed:focused") and event.detail1:
        focused.append(event.source.get_name())
    elif event.type.endswith("accessible-description") and event.source.get_name() == CANVAS:
        announced.append(event.any_data)
    elif event.type.endswith("accessible-description") and event.source.get_name() == "Резултат":
        reasoned.append(event.any_data)


def wait_for(condition, seconds=10):
    """Let AT-SPI events in until condition holds; False after seconds."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        if condition():
            return True
        time.sleep(0.02)
    return False


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, check=True,
                          timeout=20).stdout


def focus_to(name, key):
    """Press key until the object called name has the focus."""
    for _ in range(45):
        count = len(focused)
        xdotool("key", key)
        wait_for(lambda: len(focused) > count, 3)
        if name in focused[count:]:  # the canvas passes the focus on to its node
            return True
    return False


def session(app):
    canvas = next(n for n in walk(app)
                  if n.get_name() == CANVAS and n.get_role() != Atspi.Role.LABEL)
    if canvas.get_role() != Atspi.Role.CANVAS:
        return f"the canvas is a {canvas.get_role_name()}, not a canvas"

    def described():
        canvas.clear_cache()
        return canvas.get_description()

    xdotool("windowfocus", "--sync", xdotool("search", "--sync", "--name", "координати").split()[0])
    if not wait_for(lambda: focused) or not focus_to(CANVAS, "Tab"):
        return "Tab did not reach the canvas"
    for key, expected in [(None, "X 140, Y 120, няма точка")] + STEPS:
        if key:  # the first text is said as the canvas takes the focus
            announced.clear()
            xdotool("key", key)
        # the focus moves onto the cursor's node, named with the new text
        spoken = lambda: focused[-1] == expected  # noqa: E731
        if not wait_for(lambda: described() == expected and announced and spoken()):
            return (f"after {key}: {described()!r}, {len(announced)} announced, focus on "
                    f"{focused[-1]!r}; not {expected!r}")
        # Qt 6.4 sends the object with the event, later Qt the new text
        if isinstance(announced[-1], str) and announced[-1] != expected:
            return f"after {key}: {announced[-1]!r} announced, not {expected!r}"
        print(f"{key or 'Tab'}: {expected}")
    if not focus_to("Чертай", "shift+Tab") or not wait_for(lambda: described() == OWN_TEXT):
        return f"Shift+Tab to Чертай: the canvas says {described()!r}"
    report = next(n for n in walk(app) if n.get_name() == "Резултат")
    read = lambda: Atspi.Text.get_text(report, 0, Atspi.Text.get_character_count(report))  # noqa: E731
    xdotool("key", "space")
    if not wait_for(lambda: read() == REPORT):
        return f"the report reads {read()!r}"
    print("report:", read().replace("\n", " | "))
    if not focus_to("Резултат", "shift+Tab"):
        return "Shift+Tab did not reach the report"

    def reason():
        report.clear_cache()
        return report.get_description()

    xdotool("key", "Down")
    if not wait_for(lambda: reason().startswith(REASON) and reasoned):
        return f"Down in the report: it says {reason()!r}, {len(reasoned)} announced"
    print("reason:", reason().replace("\n", " | "))
    return None


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    listener = Atspi.EventListener.new(on_event)
    listener.register("object:state-changed:focused")
    listener.register("object:property-change:accessible-description")
    fault = session(app)
    print(fault or "the whole session was done with keys and read back over AT-SPI")
    return 1 if fault else 0


if __name__ == "__main__":
    sys.exit(main())
