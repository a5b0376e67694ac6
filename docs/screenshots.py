#!/usr/bin/env python3
"""Takes the README's screenshots of the real program on a virtual display with a window
manager: a running test, the answer window, the final grade, and the window at scale factors
1 and 2. Usage: screenshots.py CARROWBY FOLDER (make screenshots)."""
import os
import subprocess
import sys
import tempfile
import time

if "DISPLAY" not in os.environ:  # start a display, a session bus and a window manager first
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp",
                           "dbus-run-session", "--", "bash", "-c",
                           "export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$(mktemp -d)"
                           "; dbus-send --session --dest=org.a11y.Bus /org/a11y/bus "
                           "org.a11y.Bus.GetAddress; openbox & sleep 0.5; exec \"$@\"",
                           "bash", sys.executable] + sys.argv)

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

CARROWBY, FOLDER = sys.argv[1:3]
HOME = tempfile.mkdtemp(prefix="carrowby-screenshots-")
STORE = os.path.join(HOME, "carrowby", "registry.reg")
os.makedirs(os.path.dirname(STORE))
with open(STORE, "w") as store:  # a test of ten sums with 7 and 9, two minutes long
    store.write('Windows Registry Editor Version 5.00\n\n'
                '[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n"Installed"="True"\n'
                '"UserName"="Ada\'s Carrowby"\n"chkAddition"="1"\n"chk7"="1"\n"chk9"="1"\n'
                '"ctlTimed"="4"\n"ctlDifficulty"="1"\n')


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def start(**env):
    program = subprocess.Popen([CARROWBY], env=dict(os.environ, XDG_CONFIG_HOME=HOME, **env))
    run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ada's Carrowby$")
    time.sleep(0.5)
    return program


def shot(title, name):
    time.sleep(0.4)
    window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", title).split()[0]
    run("import", "-frame", "-window", window, os.path.join(FOLDER, name))


def problem_lines(node):
    """The problem's lines as the panel shows them, read over the accessibility bus."""
    if (node.get_name() or "").startswith("Problem "):
        return [node.get_child_at_index(i).get_name() for i in range(4)]
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        lines = problem_lines(child) if child else None
        if lines:
            return lines
    return None


def answer(pid, wrong=False):
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    app = next(app for app in apps if app and app.get_process_id() == pid)
    total = sum(int(line) for line in problem_lines(app) if line.strip())
    run("xdotool", "type", str(total + wrong))
    run("xdotool", "key", "Return")


program = start()
shot("^Ada's Carrowby$", "window-scale-1.png")
run("xdotool", "key", "Return")  # Start has the focus
shot("^Ada's Carrowby$", "using-problem.png")
answer(program.pid)
shot("^ $", "using-feedback.png")
run("xdotool", "key", "Return")
for problem in range(2, 11):
    time.sleep(0.3)
    answer(program.pid, wrong=problem == 6)
    time.sleep(0.3)
    run("xdotool", "key", "Return")
shot("^Ada's Carrowby$", "using-grade.png")
program.terminate()
program.wait()
program = start(QT_SCALE_FACTOR="2")
shot("^Ada's Carrowby$", "window-scale-2.png")
program.terminate()
program.wait()
subprocess.run(["rm", "-rf", HOME])
