#!/usr/bin/env bash
# Runs a command on a virtual display of its own, which Xvfb picks free (xvfb-run -a may pick
# one twice), and gives its exit status.
set -euo pipefail
number=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$number" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$number"' EXIT
until [ -s "$number" ]; do kill -0 $server || exit 1; sleep 0.05; done
DISPLAY=:$(head -1 "$number") "$@"
