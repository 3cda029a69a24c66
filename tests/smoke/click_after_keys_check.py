#!/usr/bin/python3
"""A click on the canvas right after a report line was chosen with the keys
enters its point, as it does after a line chosen with the mouse: four points
clicked, "Чертай", a click on the report's header line, a key that chooses a
figure (its reason is then heard), and at once a click on a node below the
figure, where a note over the window would stand. The clicks are real ones
(xdotool) on the real window; the points entered are counted in the N list
over AT-SPI. Exits 0 when every click entered its point."""
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

sys.dont_write_bytecode = True  # nothing written beside the sources
from keyboard_session_check import wait_for, xdotool  # noqa: E402
from screen_reader_check import find_application, walk  # noqa: E402

CANVAS = (10, 58)       # the canvas's drawing area in the window: its frame's place and width
DRAW = (44, 308)        # "Чертай"
HEADER = (60, 337)      # the report's first line, its header
SQUARE = [(60, 60), (140, 60), (140, 140), (60, 140)]
CASES = [("Down", (200, 200)), ("End", (220, 180)), ("Page_Down", (180, 200))]


def click(window, x, y):
    xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    window = xdotool("search", "--sync", "--name", "координати").split()[0]
    xdotool("windowfocus", "--sync", window)
    nodes = list(walk(app))
    numbers = next(n for n in nodes if n.get_name() == "Номер на точка (N)")
    report = next(n for n in nodes if n.get_name() == "Резултат")

    def entered():
        numbers.clear_cache()
        return numbers.get_child_count()

    def reason():
        report.clear_cache()
        return report.get_description()

    for x, y in SQUARE:
        click(window, CANVAS[0] + x, CANVAS[1] + y)
    if not wait_for(lambda: entered() == len(SQUARE)):
        print(f"{entered()} of the square's {len(SQUARE)} points entered")
        return 1
    faults = []
    for key, (x, y) in CASES:
        before = entered()
        click(window, *DRAW)
        click(window, *HEADER)
        xdotool("key", key)
        if not wait_for(lambda: reason() != ""):
            faults.append(f"{key} in the report chose no figure")
            continue
        click(window, CANVAS[0] + x, CANVAS[1] + y)
        if wait_for(lambda: entered() == before + 1, 5):
            print(f"{key}, then a click on X {x}, Y {y}: point {before} entered")
        else:
            faults.append(f"{key}, then a click on X {x}, Y {y}: {entered() - before} points entered")
    print("\n".join(faults) or "every click entered its point")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
