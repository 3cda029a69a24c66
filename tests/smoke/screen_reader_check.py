#!/usr/bin/python3
"""What a screen reader sees of the running program over AT-SPI: the controls
by name, and the report box's text. Exits 0 when all are found."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

EXPECTED_NAMES = [
    "Чертай", "Изчисти", "Изтрий  1 т.", "Абсциса", "Ордината", "Номер на точка (N)",
    "Посочете връх на фигура", "Резултат", "Брой от вид фигура",
    "Квадрат – вашият брой", "Квадрат – броят на програмата", "Ромб – вашият брой",
]


def find_application(name, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "plane-figures")
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    nodes = list(walk(app))
    names = {n.get_name() for n in nodes}
    missing = [n for n in EXPECTED_NAMES if n not in names]
    if missing:
        print("not seen by name:", missing)
        return 1
    report = next(n for n in nodes if n.get_name() == "Резултат")
    content = Atspi.Text.get_text(report, 0, Atspi.Text.get_character_count(report))
    if "Да се реализира проект" not in content:
        print("the report box could not be read:", content[:80])
        return 1
    print(f"{len(nodes)} accessible objects; all {len(EXPECTED_NAMES)} names seen; report readable")
    return 0


if __name__ == "__main__":
    sys.exit(main())
