#!/usr/bin/env python3
"""Carrowby in a real X window under a window manager, driven by real keys (sent once their
window has the keyboard) and read over the accessibility bus as a screen reader does."""
import atexit, os, re, shutil, signal, sqlite3, subprocess, sys, tempfile, time
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

HOME = tempfile.mkdtemp(dir=os.environ["XDG_RUNTIME_DIR"])  # removed with it, whatever happens
failures, program = [], None
atexit.register(lambda: program and program.poll() is None and program.kill())
atexit.register(shutil.rmtree, HOME, True)


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    failures.extend([] if condition else [what])


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)


def out(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def waited(condition):
    """Whether the condition holds within 5 s, looked at every 20 ms."""
    deadline = time.time() + 5
    while not condition() and time.time() < deadline:
        time.sleep(0.02)
    return condition()


def active(title, what=None):
    """Waits until the window of this title has the keyboard; what says why it should."""
    check(waited(lambda: out("xdotool", "getactivewindow", "getwindowname")[:-1] == title),
          what or "the window %r has the keyboard" % title)


def start(title, **display):
    global program
    program = subprocess.Popen([os.environ["CARROWBY"]], env=dict(
        os.environ, HOME=HOME, XDG_CONFIG_HOME=os.path.join(HOME, ".config"),
        XDG_DATA_HOME=os.path.join(HOME, ".local", "share"), **display))
    display or active(title, "the window titled %r shows" % title)


def ended(how, status=0):
    """Checks that the program ends with that status, and returns what it stored."""
    check(program.wait(timeout=10) == status, "%s ends the program with status %d" % (how, status))
    with open(os.path.join(HOME, ".config", "carrowby", "registry.reg")) as store:
        return dict(re.findall(r'^"([^"]+)"="(.*)"$', store.read(), re.M))


def walk(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield from walk(child) if child else ()


def ticked(name, toggle=False):
    """Whether the program's box of that name shows a tick (then toggled, if asked)."""
    node = next(n for n in walk(Atspi.get_desktop(0))  # once read() has found it shown
                if n.get_process_id() == program.pid and n.get_role_name() == "check box"
                and n.get_name() == name)
    return node.get_state_set().contains(Atspi.StateType.CHECKED), toggle and node.do_action(0)


def read(role, name_starts):
    """The first node on view of the role (any, if empty) whose name starts so: its name and description, then
    the name and description of each of its labels in order."""
    deadline = time.time() + 5
    while time.time() < deadline:
        try:  # windows come and go while the tree is read
            for node in walk(Atspi.get_desktop(0)):
                if (node.get_process_id() == program.pid and role in ("", node.get_role_name())
                        and node.get_name().startswith(name_starts)
                        and node.get_state_set().contains(Atspi.StateType.SHOWING)):
                    return [text for n in walk(node) if n == node or n.get_role_name() == "label"
                            for text in (n.get_name(), n.get_description())]
        except gi.repository.GLib.GError:
            pass
        time.sleep(0.05)
    return [None, None]


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
subprocess.run(["xdotool", "key", "--delay", "0", "Return"], check=True)
answers = []
for problem in range(1, 11):  # sums with a 7: the panel's caption, then each line and the sign
    active("Carrowby")
    panel = read("panel", "Problem %d of 10" % problem)
    check(panel[0] == "Problem %d of 10" % problem, "the panel reads %r" % panel[0])
    check(panel[10:12] == ["+", "plus"], "the sign is described as %r" % panel[11:12])
    answer = sum(int(line) for line in panel[2:10:2] if line.strip())
    answers.append(answer)
    subprocess.run(["xdotool", "type", str(answer + (problem in (3, 7)))], check=True)
    if problem == 2:  # held down, as X11 repeats it: one answer, its verdict left up
        subprocess.run(["xdotool", "keydown", "Return"], check=True)
        time.sleep(1.5)
        subprocess.run(["xdotool", "keyup", "Return"], check=True)
    else:
        keys(*(["Tab"] if problem == 5 else []), "Return")  # in the answer box, or on ENTER
    verdict = read("dialog", "")[:2]  # what is announced as the window opens
    check(verdict == ["Oops!!!" if problem in (3, 7) else "You were right!",
                      "The right answer is %d" % answer], "problem %d: %s" % (problem, verdict))
    active(" ")
    keys("alt+o" if problem == 9 else "Return")  # on OK, which has the focus
status = read("panel", "Status")[2:]
check(status[2::4] == [" 8", " 2", "B-", " 80"] and status[3::4][0] == "Correct answers",
      "the final status %s" % status)
for opening, closing in ((["alt+h", "Return"], "Return"), (["F1"], "Escape")):
    keys(*opening)
    active("About Carrowby", "%s opens About" % opening)
    keys(closing)
    active("Carrowby")
keys("alt+f", "Down", "Return")  # the second item
active("Personalize Carrowby", "File > Personalize asks for a name")
subprocess.run(["xdotool", "type", "Ada"], check=True)
keys("Return")
active("Ada's Carrowby", "the title carries the name")
program.send_signal(signal.SIGTERM)
check(ended("SIGTERM").get("UserName") == "Ada's Carrowby", "SIGTERM saved the title")
start("Ada's Carrowby")
keys("alt+s")
check(read("panel", "Problem 1 of 10")[0] is not None, "Alt+S starts a test")
for problem in range(10):  # every answer wrong: a 7 still to practise
    active("Ada's Carrowby")
    subprocess.run(["xdotool", "type", "0"], check=True)
    keys("Return")
    active(" ")
    keys("Return")


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
print("%d checks failed" % len(failures) if failures else "all checks passed")
sys.exit(1 if failures else 0)
