#!/usr/bin/env python3
"""Carrowby in a real X window under a window manager, driven by real keys (sent once their
window has the keyboard) and read over the accessibility bus as a screen reader does."""
import atexit, os, re, signal, sqlite3, subprocess, time
from real_program import HOME, Atspi, active, check, finish, keys, launch, node, out, press, waited, walk, xdotool
from gi.repository import GLib

program = None


def start(title, **display):
    global program
    program = launch(XDG_CONFIG_HOME=os.path.join(HOME, ".config"),
                     XDG_DATA_HOME=os.path.join(HOME, ".local", "share"), **display)
    display or active(title, "the window titled %r shows" % title)


def ended(how, status=0):
    """Checks that the program ends with that status, and returns what it stored."""
    check(program.wait(timeout=10) == status, "%s ends the program with status %d" % (how, status))
    with open(os.path.join(HOME, ".config", "carrowby", "registry.reg")) as store:
        return dict(re.findall(r'^"([^"]+)"="(.*)"$', store.read(), re.M))


def ticked(name, toggle=False):
    """Whether the program's box of that name shows a tick (then toggled, if asked)."""
    box = node(program, name, "check box")  # once read() has found it shown
    return box.get_state_set().contains(Atspi.StateType.CHECKED), toggle and box.do_action(0)


def read(role, name_starts):
    """The first node on view of the role (any, if empty) whose name starts so: its name and description, then
    the name and description of each of its labels in order."""
    def found():
        try:  # windows come and go while the tree is read
            return next(([text for n in walk(node) if n == node or n.get_role_name() == "label"
                          for text in (n.get_name(), n.get_description())]
                         for node in walk(Atspi.get_desktop(0)) if node.get_process_id() == program.pid
                         and role in ("", node.get_role_name()) and node.get_name().startswith(name_starts)
                         and node.get_state_set().contains(Atspi.StateType.SHOWING)), None)
        except GLib.GError:
            return None
    return waited(found) or [None, None]


def centred():
    """Whether the window manager's frame round the main window stands in the middle of the
    screen, which has no panel here."""
    window = out("xdotool", "search", "--pid", str(program.pid), "--onlyvisible", "--name",
                 "^Carrowby$").split()[:1]
    place = window and re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                  out("xwininfo", "-id", window[0]))
    frame = window and re.findall(r"= (\d+), (\d+), (\d+), (\d+)",
                                  out("xprop", "-id", window[0], "_NET_FRAME_EXTENTS"))
    if not place or len(place) != 4 or not frame:
        return False
    (x, y, width, height), (left, right, top, bottom) = map(int, place), map(int, frame[0])
    return (abs((1024 - width - left - right) // 2 - (x - left)) <= 1 and
            abs((768 - height - top - bottom) // 2 - (y - top)) <= 1)


start("Carrowby")
check(waited(centred), "the window stands in the middle of the screen, its frame and all")
# The time list three back from Start, Addition and 7 on from it: a box added among the others
# changes nothing.
keys(*["shift+Tab"] * 3, *["Down"] * 4, *["Tab"] * 4, "space", *["Tab"] * 11, "space")
keys("alt+F4")
values = ended("closing the window through the window manager")
check((values["chkAddition"], values["chk7"], values["ctlTimed"]) == (" 1", " 1", " 4"),
      "closing saved Addition, 7 and 2 Minutes, ticked and chosen by keyboard")

start("Carrowby")
# On Start, which has the focus: a quick stroke, pressed and released at one moment.
xdotool("key", "--delay", "0", "Return")
answers = []
for problem in range(1, 11):  # sums with a 7: the panel's caption, then each line and the sign
    active("Carrowby")
    panel = read("panel", "Problem %d of 10" % problem)
    check(panel[0] == "Problem %d of 10" % problem, "the panel reads %r" % panel[0])
    check(panel[10:12] == ["+", "plus"], "the sign is described as %r" % panel[11:12])
    answer = sum(int(line) for line in panel[2:10:2] if line.strip())
    answers.append(answer)
    xdotool("type", str(answer + (problem in (3, 7))))
    if problem == 2:  # held down, as X11 repeats it: one answer, its verdict left up
        xdotool("keydown", "Return")
        time.sleep(1.5)
        xdotool("keyup", "Return")
    else:
        keys(*(["Tab"] if problem == 5 else []), "Return")  # in the answer box, or on ENTER
    verdict = read("dialog", "")[:2]  # what is announced as the window opens
    check(verdict == ["Oops!!!" if problem in (3, 7) else "You were right!",
                      "The right answer is %d" % answer], "problem %d: %s" % (problem, verdict))
    press("alt+o" if problem == 9 else "Return", window=" ")  # on OK, which has the focus
status = read("panel", "Status")[2:]
check(status[2::4] == [" 8", " 2", "B-", " 80"] and status[3::4][0] == "Correct answers",
      "the final status %s" % status)
for opening, closing in ((["alt+h", "Return"], "Return"), (["F1"], "Escape")):
    press(*opening)
    press(closing, window="About Carrowby")
press("alt+f", "Down", "Return")  # the second item
active("Personalize Carrowby", "File > Personalize asks for a name")
xdotool("type", "Ada")
keys("Return")
active("Ada's Carrowby", "the title carries the name")
program.send_signal(signal.SIGTERM)
check(ended("SIGTERM").get("UserName") == "Ada's Carrowby", "SIGTERM saved the title")
start("Ada's Carrowby")
keys("alt+s")
check(read("panel", "Problem 1 of 10")[0] is not None, "Alt+S starts a test")
for problem in range(10):  # every answer wrong: a 7 still to practise
    press("0", "Return", window="Ada's Carrowby")
    press("Return", window=" ")


def recorded():  # the recorder writes on a thread of its own, in a moment
    with sqlite3.connect(os.path.join(HOME, ".local", "share", "carrowby", "results.sqlite")) as db:
        return (db.execute("SELECT title, correct, incorrect, end_reason FROM tests").fetchall(),
                db.execute("SELECT number, given FROM problems WHERE test = 1 AND NOT correct")
                .fetchall())


check(waited(lambda: recorded() == ([("Carrowby", 8, 2, "finished"),
                                     ("Ada's Carrowby", 0, 10, "finished")],
                                    [(3, str(answers[2] + 1)), (7, str(answers[6] + 1))])),
      "each test is recorded with its answers as typed: %s" % (recorded(),))
rows = subprocess.run([os.environ["CARROWBY"], "--results-csv", "--answers", "--title", "Ada's Carrowby"],
                      env=dict(os.environ, XDG_DATA_HOME=os.path.join(HOME, ".local", "share")),
                      capture_output=True, text=True).stdout.splitlines()
check(len(rows) == 11 and all(row.startswith("Ada's Carrowby,") for row in rows[1:]),
      "--results-csv --answers --title prints that title's answers alone: %d rows" % len(rows))
ticked("Subtraction", toggle=True)
keys("alt+f", "r")
active("Results", "File > Results opens the Results window")
chart = read("", "Percentage of each test")
check(re.match(r"^Easy: one test, on \d+ \w+: 0%$", chart[1] or ""), "the chart is described: %r" % chart[1])
keys("alt+p", "alt+n")  # Tick These Numbers, under Practise These
active("Ada's Carrowby", "Tick These Numbers brings the main window back")
check(ticked("Addition")[0] and ticked("7")[0] and not ticked("Subtraction")[0],
      "Tick These Numbers ticks Addition and 7, and unticks the rest")
keys("alt+f", "x")
ended("File > Exit")

# A display of its own that goes away under the program: what the user changed is kept.
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"], stdout=subprocess.PIPE,
                        stderr=subprocess.DEVNULL)
atexit.register(xvfb.kill)
start(None, DISPLAY=":" + xvfb.stdout.readline().decode().strip())
read("check box", "Addition")  # once the window shows
was = ticked("Addition", toggle=True)[0]
waited(lambda: ticked("Addition")[0] != was)  # until the box shows it
xvfb.kill(), xvfb.wait()
check(ended("the display going away", 1)["chkAddition"] == (" 0" if was else " 1"),
      "what was toggled just before the display went away is saved")
finish()
