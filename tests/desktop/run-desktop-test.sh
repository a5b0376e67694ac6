#!/usr/bin/env bash
# Runs the real-window test under a virtual X display, with a session bus and the
# accessibility bus through which the test reads the windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export CARROWBY=$1
shots=$2
mkdir -p "$shots"
exec xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' dbus-run-session -- bash -c '
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$(mktemp -d)
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null
    exec /usr/bin/python3 "$0/desktop_test.py" "$1"' "$here" "$shots"
