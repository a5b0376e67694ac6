#!/usr/bin/env bash
# The real-window test under Xvfb, a window manager and the accessibility bus; all it starts ends.
# run-desktop-test.sh CARROWBY [SCRIPT]: SCRIPT is desktop_test.py unless named.
set -euo pipefail
export CARROWBY=$1 SCRIPT=${2:-desktop_test.py} QT_QPA_PLATFORM= XDG_RUNTIME_DIR LC_ALL= LC_MESSAGES= \
    LANG=C.UTF-8 LANGUAGE=en # English whatever the machine speaks, unless a script names another
XDG_RUNTIME_DIR=$(mktemp -d)
setsid timeout 150 xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' dbus-run-session -- \
    bash -c 'export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null
        for try in 1 2 3; do # on a loaded machine openbox may miss the display at first
            openbox & wm=$!
            until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
                ! kill -0 $wm 2>/dev/null; do sleep 0.05; done
            kill -0 $wm 2>/dev/null && break
        done
        /usr/bin/python3 "$0/$SCRIPT"' "$(dirname "$0")" &
group=$!
# Xvfb too must be gone, or the next display on its number loses its socket to Xvfb's clean-up.
trap 'kill -- -$group 2>/dev/null; while kill -0 -- -$group 2>/dev/null; do sleep 0.05; done
      rm -rf "$XDG_RUNTIME_DIR"' EXIT INT TERM
wait $group
