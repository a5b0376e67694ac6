#!/usr/bin/env bash
# Runs the real-window test under a virtual X display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export CARROWBY=$1
shots=$2
mkdir -p "$shots"
exec xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' /usr/bin/python3 "$here/desktop_test.py" "$shots"
