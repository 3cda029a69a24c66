#!/usr/bin/python3
"""A task read back as a screen reader reads it: a count no variant can have
typed in the first of the pupil's boxes, F5; then the panel's verdicts say
the first kind has fewer, name no number, and the box itself says its
verdict; "Чертай" is disabled. Exits 0 when all hold."""
import re
import sys

sys.dont_write_bytecode = True  # nothing written beside the sources
from keyboard_session_check import wait_for, xdotool  # noqa: E402
from screen_reader_check import find_application, walk  # noqa: E402

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

FIRST_BOX = "Равнобедрен триъгълник – вашият брой"
FEWER = "Равнобедрен триъгълник: има по-малко."


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
    if re.search(r"\d", said):
        return "a verdict names a number"
    if description(box) != FEWER:
        return f"the box says {description(box)!r}"
    draw = named(app, "Чертай")
    if draw.get_state_set().contains(Atspi.StateType.ENABLED):
        return "Чертай is enabled before the counts are right"
    return None


def main():
    app = find_application("plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    fault = check(app)
    print(fault or "the task's check was read back over AT-SPI; Чертай stays disabled")
    return 1 if fault else 0


if __name__ == "__main__":
    sys.exit(main())
