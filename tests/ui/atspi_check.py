"""Reads the running window the way a screen reader does, through AT-SPI.

Started by atspi_test.sh inside a private D-Bus session with the window
running. Checks that the inputs carry their names, then presses 計算 through
the button's action and checks that each result is read as its caption and
value, and that the change reached AT-SPI as events.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "org.quorvel.Quorvel"
RESULTS = ["所持魔力変動 -560G", "土地価値変動 +1008G", "護符価値変動 +10",
           "護符魔力変動 +500G", "総魔力変動 +948G"]
INPUTS = [
    ("radio button", "80 G"), ("radio button", "100 G"), ("radio button", "その他→"),
    ("text", "基本価値 その他 G"), ("text", "護符枚数"),
    ("push button", "計算"), ("push button", "終了"),
]
# A list is read by its value and the captions that label it.
LISTS = [("レベル", "から"), ("レベル", "にアップ"), ("上記の土地を含めて", "連鎖")]

failures = []
passes = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    (passes if ok else failures).append(what)


def find_app():
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return tuple(names)


def main():
    app = find_app()
    check(app is not None, f"the application {APP} is on the accessibility bus")
    if app is None:
        return
    nodes = list(descendants(app))
    present = {(n.getRoleName(), n.name) for n in nodes}
    for role, name in INPUTS:
        check((role, name) in present, f"{role} named {name!r}")
    lists = {labelled_by(n) for n in nodes if n.getRoleName() == "combo box"}
    for captions in LISTS:
        check(captions in lists, f"a list labelled by {' '.join(captions)}")

    events = []
    button = next(n for n in nodes if n.getRoleName() == "push button" and n.name == "計算")

    def on_name_change(event):
        events.append(event.source.name)
        if all(result in events for result in RESULTS):
            pyatspi.Registry.stop()

    def press():
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)
        return False

    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    GLib.idle_add(press)
    GLib.timeout_add_seconds(10, pyatspi.Registry.stop)
    pyatspi.Registry.start()

    labels = {n.name for n in descendants(app) if n.getRoleName() == "label"}
    for result in RESULTS:
        check(result in labels, f"a result read as {result!r}")
        check(result in events, f"a name-change event announced {result!r}")


main()
print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
