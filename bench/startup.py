#!/usr/bin/env python3
"""Start-up time and resident memory of Carrowby beside a bare Qt window, on a virtual X
display: the time from launch to the main window's mapping, and the resident memory once it
has settled, the median of RUNS runs each (and the fastest start), the two programs started in
turn.

    startup.py CARROWBY BARE_WINDOW        (starts its own Xvfb)

An ordinary start finds the settings stored; a first start finds none and writes them."""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

RUNS = int(os.environ.get("RUNS", "15"))
SETTLE = 1.0  # seconds after the mapping before the memory is read


def measure(screen, command, env):
    """Seconds from launch to the first mapped window of the process, and its resident MiB."""
    started = time.perf_counter()
    process = subprocess.Popen(command, env=env)
    pid_atom = screen.intern_atom("_NET_WM_PID")
    while True:
        event = screen.next_event()
        if event.type != X.MapNotify:
            continue
        pid = event.window.get_full_property(pid_atom, X.AnyPropertyType)
        if pid and pid.value[0] == process.pid:
            mapped = time.perf_counter() - started
            break
    time.sleep(SETTLE)
    with open("/proc/%d/status" % process.pid) as status:
        rss = next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))
    process.send_signal(signal.SIGTERM)
    process.wait()
    return mapped, rss / 1024


def main():
    carrowby, bare = sys.argv[1:3]
    home = tempfile.mkdtemp(prefix="carrowby-bench-")  # 0700, as a runtime folder must be
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=home)
    store = os.path.join(home, ".config", "carrowby")
    results = {"ordinary": [], "first": [], "bare": []}
    # One connection for the whole run: the X server resets when its last client leaves.
    screen = display.Display()
    screen.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    measure(screen, [carrowby], env)  # warm the caches, and store the settings
    for _ in range(RUNS):
        results["ordinary"].append(measure(screen, [carrowby], env))
        results["bare"].append(measure(screen, [bare], env))
        shutil.rmtree(store)
        results["first"].append(measure(screen, [carrowby], env))
    shutil.rmtree(home)
    # The median, and the fastest start, which a machine busy with something else cannot slow.
    def summary(name):
        times, mibs = [r[0] for r in results[name]], [r[1] for r in results[name]]
        return statistics.median(times), min(times), statistics.median(mibs)
    bare_ms, bare_fastest, bare_mib = summary("bare")
    print("median (and fastest) of %d runs each, under Xvfb" % RUNS)
    print("%-26s %18s %10s %16s %8s" % ("", "start-up", "memory", "time", "memory"))
    for name, label in (("bare", "bare Qt window"), ("ordinary", "Carrowby, ordinary start"),
                        ("first", "Carrowby, first start")):
        ms, fastest, mib = summary(name)
        print("%-26s %6.1f (%5.1f) ms %6.1f MiB %7.2fx (%.2fx) %7.2fx"
              % (label, ms * 1000, fastest * 1000, mib, ms / bare_ms, fastest / bare_fastest,
                 mib / bare_mib))

if __name__ == "__main__":
    if "DISPLAY" not in os.environ:
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -nolisten tcp",
                               sys.executable] + sys.argv)
    main()
