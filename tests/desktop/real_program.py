"""What the real-program tests share: checks counted as they go, waits for a condition, keys sent
once their window has the keyboard, and the program's nodes as a screen reader reads them."""
import atexit, os, shutil, subprocess, sys, tempfile, time
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

RUN = os.environ["XDG_RUNTIME_DIR"]  # removed after the test, with all in it
HOME = tempfile.mkdtemp(dir=RUN)
failures, started = [], []  # each program started is ended at exit, whatever happens
atexit.register(lambda: [program.kill() for program in started if program.poll() is None])
atexit.register(shutil.rmtree, HOME, True)


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    failures.extend([] if condition else [what])


def waited(condition, seconds=10):  # whether it holds within the seconds, looked at every 20 ms
    deadline = time.time() + seconds
    while not condition() and time.time() < deadline:
        time.sleep(0.02)
    return condition()


def out(*command): return subprocess.run(command, capture_output=True, text=True).stdout.rstrip("\n")


def xdotool(*arguments): return out("xdotool", *arguments)


def active(title, what=None):
    """Waits until the window of this title has the keyboard; what says why it should."""
    check(waited(lambda: xdotool("getactivewindow", "getwindowname") == title),
          what or "the window %r has the keyboard" % title)


def keys(*names): xdotool("key", "--clearmodifiers", *names)


def press(*names, window="Carrowby"):
    active(window, "%r has the keyboard for %s" % (window, names))
    keys(*names)


def launch(binary=os.environ["CARROWBY"], **environment):
    started.append(subprocess.Popen([binary], env=dict(os.environ, HOME=HOME, **environment)))
    return started[-1]


def walk(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield from walk(child) if child else ()


def node(program, name, role=""):
    """The program's first node of that name (and role), or None."""
    return next((n for n in walk(Atspi.get_desktop(0)) if n.get_process_id() == program.pid
                 and n.get_name() == name and role in ("", n.get_role_name())), None)


def finish():
    print("%d checks failed" % len(failures) if failures else "all checks passed")
    sys.exit(1 if failures else 0)
