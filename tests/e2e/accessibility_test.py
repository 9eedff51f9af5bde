"""What a screen reader reads: the fields labelled, the drawing area a picture described as drawn,
with its menu's commands as actions, heard each time the menu opens, and the save dialog one of
them opens in Japanese."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print(f"FAILED: {message}")
    sys.exit(1)


def application(name):
    """The running program of this name, once it has registered."""
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    fail(f"no application {name} on the accessibility bus")


def find(root, role, name=None):
    """The object of a role and name under root, once it is there."""
    def matches(node):
        return node.getRoleName() == role and (name is None or node.name == name)
    for _ in range(300):
        found = pyatspi.findDescendant(root, matches)
        if found is not None:
            return found
        time.sleep(0.1)
    fail(f"no {role} named {name!r}")


def labelled_by(node):
    return [relation.getTarget(0).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def check(what, actual, expected):
    if actual != expected:
        fail(f"{what} is {actual!r}, not {expected!r}")


heard = []  # the names of the objects that took the focus, as a screen reader hears them


def hear(key, expected):
    """Fails unless the object expected takes the focus, as heard, once the key is pressed."""
    heard.clear()
    subprocess.run(["xdotool", "key", key], check=True)
    for _ in range(3000):
        GLib.MainContext.default().iteration(False)
        if expected in heard:
            return
        time.sleep(0.01)
    fail(f"after {key} the focus heard is on {heard}, not on {expected!r}")


program = application("VorrelinCurve")
window = find(program, "frame", "Vorrelin曲線")
for label in ["次数", "タイマー間隔"]:
    check(f"the field labelled {label}", labelled_by(find(window, "text", label)), [label])
picture = find(window, "image", "描画領域")
check("the drawing area's first description", picture.description, "曲線はまだ描かれていません")
find(window, "push button", "描画").queryAction().doAction(0)
for _ in range(50):
    if picture.description != "曲線はまだ描かれていません":
        break
    time.sleep(0.1)
check("the drawing area's description", picture.description, "次数 5 のVorrelin曲線")
actions = picture.queryAction()
check("the drawing area's actions", [actions.getName(i) for i in range(actions.nActions)],
      ["画像をコピー", "画像を保存"])
# Listened to once the program is there: Qt learns of listeners that register later.
pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name), "focus:")
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Vorrelin", "windowfocus",
                "--sync"], check=True)
for key, expected in [("shift+F10", "画像をコピー(C)"), ("Down", "画像を保存(S)..."), ("Escape", "描画領域"),
                      ("Menu", "画像をコピー(C)"), ("Escape", "描画領域"), ("Tab", "描画"), ("Tab", "次数"),
                      ("Menu", "切り取り(T)\tCtrl+X")]:
    hear(key, expected)
subprocess.run(["xdotool", "key", "Escape"], check=True)
with open(os.environ["PROGRAM_LOG"], encoding="utf-8") as log:
    check("the program's warnings of gone objects", log.read().count("Accessible invalid"), 0)
actions.doAction(1)
dialog = find(program, "dialog", "画像を保存")
find(dialog, "push button", "保存(S)")  # Qt names a button by its text, access key and all
find(dialog, "push button", "キャンセル").queryAction().doAction(0)
print("accessibility: the window, its fields and its drawing area are named and described, the"
      " menus are heard each time they open, and the area's actions open a Japanese save dialog")
