#!/usr/bin/env python3
"""Read Aloud on the real program, heard through a stand-in for speech-dispatcher (README, Tests:
desktop_read_aloud)."""
import os, re, shutil, subprocess, time
from real_program import HOME, RUN, Atspi, check, finish, launch, node, press, waited, xdotool
from ssip_stand_in import VOICES, StandIn

SOCKET, STORE = RUN + "/speech-dispatcher/speechd.sock", HOME + "/carrowby/registry.reg"
program = None


def start(binary=os.environ["CARROWBY"], **environment):  # Addition, 7 and Read Aloud chosen
    global program
    os.makedirs(os.path.dirname(STORE), exist_ok=True)
    open(STORE, "w").write('Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\QZV\\'
                           'Carrowby]\n"chkAddition"="1"\n"chk7"="1"\n"ReadAloud"="1"\n')
    program = launch(binary, XDG_CONFIG_HOME=HOME, XDG_DATA_HOME=HOME, **environment)
    shown = lambda: xdotool("search", "--pid", str(program.pid), "--onlyvisible", "--name", ".")
    check(waited(shown), "the program shows its window")
    xdotool("windowactivate", "--sync", shown().split()[0])


def ended(*keys):
    press(*keys)
    check(program.wait(10) == 0, "the program ends")
    return open(STORE).read()


def item(name):  # whether the item is there, enabled and ticked, as a screen reader reads it
    found = node(program, name)
    return found and tuple(found.get_state_set().contains(state) for state in
                           (Atspi.StateType.ENABLED, Atspi.StateType.CHECKED))


def answered(wrong=(), whole=()):
    """Answers each problem heard, right but for those in wrong, letting those in whole and their
    verdicts be said to their end and cutting the others off: what should be heard, and the end."""
    expected, base = [], len(speech.heard) - 1  # the first problem heard already
    while " right, " not in (posed := speech.wait(base + len(expected) + 1) or " right, "):
        number, right = len(expected) // 2 + 1, sum(int(n) for n in re.findall(r"\d+", posed))
        how = "said" if number in whole else "cut"
        speech.finish() if number in whole else None
        press(*str(right + (number in wrong)), "Return")
        verdict = "%s %s is %d." % ("Oops!!!" if number in wrong else "You were right!", posed, right)
        check(speech.wait(base + len(expected) + 2) == verdict, "%r, then %r" % (posed, verdict))
        speech.finish() if number in whole else None
        press("Return", window=" ")
        expected += [[posed, how], [verdict, how]]
    return expected, posed


def greyed(why, names=("Read Aloud", "Problem 1 of 10"), binary=os.environ["CARROWBY"], **environment):
    start(binary, **environment)
    press("alt+o")
    check(waited(lambda: item(names[0]) == (False, False)), "Read Aloud greyed out where " + why)
    press("Escape", "Escape", "Return")
    waited(lambda: item(names[1]))  # the problem shows
    press("0", "Return")
    press("Return", window=" ")  # the verdict: the drill goes on


speech = StandIn(SOCKET)
start()
press("Return")  # on Start
speech.wait(1)
heard, end = answered(wrong=(3, 7), whole=(1, 2, 3, 4, 5))
check(len(heard) == 20 and [s[:2] for s in speech.heard] == heard + [[end, "speaking"]] and
      end == "8 right, 2 wrong: B-minus" and {s[2] for s in speech.heard} == {"English (Great Britain)"},
      "a test of ten said in order by a British voice, cut off where the child answered first:\n" +
      "\n".join("      %s: %s" % (state, text) for text, state, *_ in speech.heard))
first = len(speech.heard)
press("alt+f", "r")
press("alt+p", "alt+a", window="Results")  # Practise These Facts
speech.wait(first + 1)
practice, end = answered()
check(re.match(r"\d+ right, 0 wrong: A-plus$", end) and
      [s[:2] for s in speech.heard[first:]] == practice + [[end, "speaking"]],
      "a practice read as a test is: %s" % [s[0] for s in speech.heard[first:]])
check('"ReadAloud"=" 1"' in ended("alt+f", "x"), "Read Aloud kept with the settings")
bus = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
       "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:ScreenReaderEnabled"]
subprocess.run(bus + ["variant:boolean:true"], check=True, capture_output=True)
start()
press("alt+o")
said = len(speech.heard)
check(item("Read Aloud") == (True, False), "with a screen reader running, Read Aloud is off")
press("Escape", "Escape", "Return")
waited(lambda: item("Problem 1 of 10"))
time.sleep(1)  # for what would be said of it
check(len(speech.heard) == said and '"ReadAloud"=" 1"' in ended("alt+f", "x"),
      "and says nothing, and is kept chosen")
subprocess.run(bus + ["variant:boolean:false"], check=True, capture_output=True)
start(LANGUAGE="pt_BR")
press("Return")
check(re.match(r"\d+ mais \d+$", speech.wait(said + 1) or "") and speech.heard[-1][2] ==
      "Portuguese (Brazil)", "in Portuguese by Brazil's voice: %s" % speech.heard[-1][::2])
ended("alt+a", "s")
speech.close()
speech = StandIn(SOCKET, [v for v in VOICES if v[1] != "it" and v[0] != "German"] + [("Deutsch", "de")])
greyed("no voice speaks Italian", ("Leggi ad alta voce", "Calcolo 1 di 10"), LANGUAGE="it")
check(not speech.heard, "nor does another language's voice")
ended("alt+f", "e")
start(LANGUAGE="de")
press("Return")
check(speech.wait(1) and speech.heard[-1][2] == "Deutsch", "German by a voice no variant of another")
ended("alt+d", "b")
speech.close()
# Where none listens, the speech-dispatcher installed cannot start in its place: it refuses any other.
greyed("no speech server answers", SPEECHD_ADDRESS="unix_socket:%s/nowhere" % RUN)
ended("alt+f", "x")
# A copy of the program beside its other modules but not Read Aloud's, as without Qt's speech.
built = os.path.dirname(os.path.dirname(os.environ["CARROWBY"])) + "/modules/"
os.makedirs(HOME + "/bare/app"), os.makedirs(HOME + "/bare/modules")
[os.symlink(built + module, HOME + "/bare/modules/" + module) for module in ("results-window.so", "results-file.so")]
greyed("Qt's speech library is missing", binary=shutil.copy(os.environ["CARROWBY"], HOME + "/bare/app"))
ended("alt+f", "x")
finish()
