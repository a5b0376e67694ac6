#!/usr/bin/env python3
"""Carrowby in a real X window, driven by real key events as a person would: first start,
settings ticked by keyboard, closing through the window system, a second start that finds
them, a drill of ten problems, personalizing, and SIGTERM. Run under xvfb-run; screenshots
go to the folder named by the first argument."""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import accessibility
from close_window import close

BINARY = os.environ["CARROWBY"]
SHOTS = sys.argv[1] if len(sys.argv) > 1 else "."
HOME = tempfile.mkdtemp(prefix="carrowby-desktop-")
ENV = dict(os.environ, HOME=HOME, XDG_CONFIG_HOME=os.path.join(HOME, ".config"))
ENV.pop("QT_QPA_PLATFORM", None)
STORE = os.path.join(HOME, ".config", "carrowby", "registry.reg")
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)


def xdo(*args, timeout=10):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                          timeout=timeout).stdout.strip()


def find_window(title, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = xdo("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
        if found:
            return int(found.split()[0])
        time.sleep(0.05)
    return None


def keys(*names, pause=0.05):
    for name in names:
        xdo("key", "--clearmodifiers", name)
        time.sleep(pause)


def type_text(text):
    xdo("type", "--delay", "20", text)


def stored():
    with open(STORE, encoding="utf-8") as store:
        return dict(re.findall(r'^"([^"]+)"="(.*)"$', store.read(), re.M))


def shot(name):
    subprocess.run(["import", "-window", "root", os.path.join(SHOTS, name)], check=False)


def right_answer(labels):
    """The answer to the problem the panel shows: its lines top to bottom, then the sign."""
    if len(labels) < 5:
        return 0
    line4, line3, line2, line1, sign = labels[:5]
    numbers = [int(text) for text in (line4, line3, line2, line1) if text.strip()]
    first, second = int(line1), int(line2)
    if sign == "+":
        return sum(numbers)
    if sign == "-":
        return second - first
    if sign == "x":
        return first * second
    return second // first


def start():
    process = subprocess.Popen([BINARY], env=ENV)
    return process


def focus(window):
    xdo("windowactivate", "--sync", str(window))
    xdo("windowfocus", "--sync", str(window))
    time.sleep(0.2)


def wait_exit(process, what):
    try:
        code = process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        code = None
    check(code == 0, what + " ends the program cleanly (exit %s)" % code)


# First start: the defaults are written and the idle window shows.
program = start()
window = find_window("Carrowby")
check(window is not None, "first start shows the window titled Carrowby")
if window is None:
    program.kill()
    sys.exit(1)
time.sleep(0.3)
shot("desktop-first-start.png")
values = stored()
check(len(values) == 20 and values["Installed"] == "True", "first start writes the 20 values")

# Tick Addition and 7 and choose "2 Minutes" by keyboard; Start has the focus first.
focus(window)
keys("Tab", "space")                              # chkAddition
keys(*["Tab"] * 11, "space")                      # chk7
keys("Tab", "Tab", "Tab", "Tab", "Down", "Down", "Down", "Down")  # ctlTimed: 2 Minutes
shot("desktop-settings.png")
close(window)
wait_exit(program, "closing the window")
values = stored()
check(values.get("chkAddition") == " 1" and values.get("chk7") == " 1", "closing saves the ticks")
check(values.get("ctlTimed") == " 4", "closing saves the time limit")

# Second start: the settings come back; a drill of ten problems by keyboard alone, two of them
# answered wrong on purpose, each verdict read from the answer window.
program = start()
window = find_window("Carrowby")
check(window is not None, "second start shows the window")
focus(window)
keys("alt+s", pause=0.5)
shot("desktop-problem.png")
for problem in range(1, 11):
    caption, labels = None, []
    deadline = time.time() + 5
    while caption != "Problem %d of 10" % problem and time.time() < deadline:
        caption, labels = accessibility.panel(program.pid, "Problem")
        time.sleep(0.05)
    check(caption == "Problem %d of 10" % problem, "the panel reads %r" % caption)
    answer = right_answer(labels)
    wrong = problem in (3, 7)
    type_text(str(answer + 1 if wrong else answer))
    keys("Return", pause=0.2)
    feedback = find_window(" ", seconds=5)
    verdict = accessibility.dialog_labels(program.pid) or []
    check(("Oops!!!" if wrong else "You were right!") in verdict,
          "problem %d: the answer window says %s" % (problem, verdict[:1]))
    if problem == 1:
        shot("desktop-feedback.png")
    if feedback:
        focus(feedback)
        keys("Return", pause=0.2)
        focus(window)
time.sleep(0.3)
check(find_window(" ", seconds=0.5) is None, "no answer window is left open")
_, status = accessibility.panel(program.pid, "Status")
# Correct:, its count, Incorrect:, its count, Grade:, the grade, %:, the percentage
check(status[1::2] == [" 8", " 2", "B-", " 80"], "the final status reads %s" % status[1::2])
shot("desktop-after-drill.png")

# Personalize through File, then leave by SIGTERM: the title is saved all the same.
keys("alt+f", "Return")
dialog = find_window("Personalize Carrowby", seconds=5)
check(dialog is not None, "File > Personalize asks for a name")
if dialog:
    focus(dialog)
    type_text("Ada")
    keys("Return")
check(find_window("Ada's Carrowby", seconds=5) is not None, "the title carries the name")
program.send_signal(signal.SIGTERM)
wait_exit(program, "SIGTERM")
values = stored()
check(values.get("UserName") == "Ada's Carrowby", "SIGTERM saves the title")
check(values.get("chkAddition") == " 1" and values.get("chk7") == " 1"
      and values.get("ctlTimed") == " 4", "the second start had loaded the saved settings")

# Third start: the personalized title is back.
program = start()
window = find_window("Ada's Carrowby")
check(window is not None, "the next start shows the personalized title")
time.sleep(0.3)
shot("desktop-personalized.png")
if window:
    close(window)
wait_exit(program, "closing the window again")

print("%d checks failed" % len(failures) if failures else "all checks passed")
sys.exit(1 if failures else 0)
