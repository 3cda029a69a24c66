#!/usr/bin/python3
"""The task's panel takes real clicks wherever its controls are drawn, after
the order of keys and clicks that once left only its top taking them: the
task left (Ctrl+L), "Чертай", a report line chosen, another variant opened
(Ctrl+O, its name typed). Then a count typed, "Провери", F6 for a hint, and a click on
"Покажи отговорите", the lowest control, must each work, every label stay
whole within the panel, and the panel keep its width. The second variant's
path comes in VARIANT. Exits 0 when all hold."""
import os
import sys
import time

sys.dont_write_bytecode = True  # nothing written beside the sources
from keyboard_session_check import wait_for, xdotool  # noqa: E402
from screen_reader_check import walk  # noqa: E402
from task_check import FIRST_BOX, description, focus_leaves, named, run  # noqa: E402

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

DRAW = (44, 308)     # "Чертай" in the window
HEADER = (60, 337)   # the report's first line


def extents(node):
    node.clear_cache()
    return Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)


def click_on(node):
    place = extents(node)
    xdotool("mousemove", str(place.x + place.width // 2), str(place.y + place.height // 2),
            "click", "1")


def panel_of(app):
    """The window the task's panel stands in: the topmost of its ancestors
    below the application."""
    node = named(app, "Провери")
    while node is not None:
        parent = node.get_parent()
        if parent is None or parent.get_role() == Atspi.Role.APPLICATION:
            return node
        node = parent
    return None


def cut_labels(app, panel):
    """The panel's labels that do not lie wholly within it."""
    outer = extents(panel)
    cut = []
    for node in walk(panel):
        if node.get_role() != Atspi.Role.LABEL or not node.get_name():
            continue
        if not node.get_state_set().contains(Atspi.StateType.SHOWING):
            continue
        place = extents(node)
        if place.y + place.height > outer.y + outer.height or \
                place.x + place.width > outer.x + outer.width:
            cut.append(f"{node.get_name()} ({place.y + place.height} > {outer.y + outer.height})")
    return cut


def check(app):
    if not wait_for(lambda: named(app, "Провери") is not None):
        return "the task's panel did not show"
    window = xdotool("search", "--sync", "--name", "координати").split()[0]
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--clearmodifiers", "ctrl+l")
    if not wait_for(lambda: named(app, "Провери") is None):
        return "Ctrl+L left no task"
    xdotool("mousemove", "--window", window, str(DRAW[0]), str(DRAW[1]), "click", "1")
    xdotool("mousemove", "--window", window, str(HEADER[0]), str(HEADER[1]), "click", "1")
    xdotool("key", "Down")
    report = named(app, "Резултат")
    if not wait_for(lambda: description(report) != ""):
        return "no report line was chosen"
    xdotool("key", "--clearmodifiers", "ctrl+o")
    dialog = focus_leaves(window)
    if dialog is None:
        return "Ctrl+O opened no file dialog"
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", os.environ["VARIANT"])
    xdotool("key", "Return")
    if not wait_for(lambda: named(app, "Провери") is not None):
        return "the second variant opened no task"
    time.sleep(0.5)
    panel = panel_of(app)
    width = extents(panel).width
    click_on(named(app, FIRST_BOX))
    xdotool("type", "500")  # a count to check: more than any variant has
    click_on(named(app, "Провери"))
    verdicts = named(app, "Проверка")
    if not wait_for(lambda: description(verdicts) != ""):
        return "a click on Провери gave no verdicts"
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "F6")
    said = named(app, "Съобщение по задачата")
    if not wait_for(lambda: description(said) != ""):
        return "F6 said nothing"
    time.sleep(0.5)
    faults = [f"{label} is cut off" for label in cut_labels(app, panel)]
    answers = named(app, "Покажи отговорите")
    click_on(answers)
    if focus_leaves(window) is None:
        return "a click on Покажи отговорите asked nothing"
    if not wait_for(lambda: named(app, "Да") is not None):
        return "the question has no button Да"
    click_on(named(app, "Да"))
    if not wait_for(lambda: not answers.get_state_set().contains(Atspi.StateType.ENABLED)):
        faults.append("the answers were not shown")
    time.sleep(0.5)
    faults += [f"{label} is cut off" for label in cut_labels(app, panel)]
    if extents(panel).width != width:
        faults.append(f"the panel's width went from {width} to {extents(panel).width}")
    return "; ".join(faults) or None


if __name__ == "__main__":
    sys.exit(run(check, "every control of the task's panel took its click"))
