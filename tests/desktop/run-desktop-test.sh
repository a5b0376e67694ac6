#!/usr/bin/env bash
# The real-window test on a virtual display with a window manager and the accessibility bus;
# whatever ends it, everything it started ends with it and its folders are removed.
set -euo pipefail
export CARROWBY=$1 QT_QPA_PLATFORM= XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
setsid timeout 150 xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' dbus-run-session -- \
    bash -c 'export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null
        openbox &
        until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do
            kill -0 $! || exit 1; sleep 0.05
        done
        /usr/bin/python3 "$0/desktop_test.py"' "$(dirname "$0")" &
group=$!
# Xvfb too must be gone, or the next display on its number loses its socket to Xvfb's clean-up.
trap 'kill -- -$group 2>/dev/null; while kill -0 -- -$group 2>/dev/null; do sleep 0.05; done
      rm -rf "$XDG_RUNTIME_DIR"' EXIT INT TERM
wait $group
