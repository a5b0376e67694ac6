#!/usr/bin/env python3
"""Carrowby in a real X window under a window manager, driven by real keys as a person would
and read over the accessibility bus as a screen reader does: a first start, settings ticked by
keyboard and kept through closing the window, a drill of ten problems by Enter alone (two
answers wrong on purpose), personalizing, and SIGTERM. Screenshots go to the folder named by
the first argument."""
import atexit
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

HOME = tempfile.mkdtemp(prefix="carrowby-desktop-")
STORE = os.path.join(HOME, ".config", "carrowby", "registry.reg")
failures, program = [], None
atexit.register(lambda: program and program.poll() is None and program.kill())


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    failures.extend([] if condition else [what])


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.08)


def shows(title, seconds=5):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                           "^" + re.escape(title) + "$"], capture_output=True).stdout:
            return True
        time.sleep(0.05)
    return False


def start(title):
    global program
    program = subprocess.Popen([os.environ["CARROWBY"]], env=dict(
        os.environ, HOME=HOME, XDG_CONFIG_HOME=os.path.join(HOME, ".config")))
    check(shows(title), "the window titled %r shows" % title)
    time.sleep(0.3)


def ended(how):
    try:
        check(program.wait(timeout=10) == 0, how + " ends the program cleanly")
    except subprocess.TimeoutExpired:
        check(False, how + " ends the program")
    with open(STORE, encoding="utf-8") as store:
        return dict(re.findall(r'^"([^"]+)"="(.*)"$', store.read(), re.M))


def shot(name):
    subprocess.run(["import", "-window", "root", os.path.join(sys.argv[1], name)], check=False)


def walk(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield from walk(child) if child else ()


def read(role, name_starts, seconds=5):
    """The name of the first node on view of the role whose name starts so, and the texts of
    its labels in order (Qt names an empty label after the frame it stands in)."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = Atspi.get_desktop(0)
        try:  # windows come and go while the tree is read
            for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
                for node in walk(app) if app and app.get_process_id() == program.pid else ():
                    name = node.get_name() or ""
                    if (node.get_role_name() == role and name.startswith(name_starts)
                            and node.get_state_set().contains(Atspi.StateType.SHOWING)):
                        texts = [n.get_name() for n in walk(node) if n.get_role_name() == "label"]
                        return name, ["" if text == name else text for text in texts]
        except gi.repository.GLib.GError:
            pass
        time.sleep(0.05)
    return None, []


start("Carrowby")
shot("desktop-first-start.png")
keys("Tab", "space", *["Tab"] * 11, "space", *["Tab"] * 4, "Down", "Down", "Down", "Down")
keys("alt+F4")
values = ended("closing the window through the window manager")
check(len(values) == 20 and values["Installed"] == "True", "the first start wrote 20 values")
check((values["chkAddition"], values["chk7"], values["ctlTimed"]) == (" 1", " 1", " 4"),
      "closing saved Addition, 7 and 2 Minutes")

start("Carrowby")
keys("Return")  # on Start, which has the focus
for problem in range(1, 11):
    caption, lines = read("panel", "Problem %d of 10" % problem)
    check(caption == "Problem %d of 10" % problem, "the panel reads %r" % caption)
    numbers = [int(line) for line in lines[:4] if line.strip()] or [0, 1]
    first, second = numbers[-1], numbers[-2]
    answer = {"+": sum(numbers), "-": second - first, "x": first * second,
              "/": second // max(first, 1)}.get(lines[4] if len(lines) > 4 else "", 0)
    subprocess.run(["xdotool", "type", str(answer + (problem in (3, 7)))], check=True)
    keys(*(["Tab"] if problem == 5 else []), "Return")  # in the answer box, or on ENTER
    verdict = read("dialog", " ")[1][:1]
    check(verdict == ["Oops!!!" if problem in (3, 7) else "You were right!"],
          "problem %d: the answer window says %s" % (problem, verdict))
    shot("desktop-feedback.png") if problem == 1 else None
    keys("Return")  # on OK, which has the focus
check(read("panel", "Status")[1][1::2] == [" 8", " 2", "B-", " 80"], "the final status")
shot("desktop-after-drill.png")
keys("alt+f", "Return")
check(shows("Personalize Carrowby"), "File > Personalize asks for a name")
subprocess.run(["xdotool", "type", "Ada"], check=True)
keys("Return")
check(shows("Ada's Carrowby"), "the title carries the name")
program.send_signal(signal.SIGTERM)
check(ended("SIGTERM").get("UserName") == "Ada's Carrowby", "SIGTERM saved the title")
print("%d checks failed" % len(failures) if failures else "all checks passed")
sys.exit(1 if failures else 0)
