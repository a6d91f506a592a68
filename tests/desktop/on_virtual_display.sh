#!/usr/bin/env bash
# Runs a command on a virtual X display of its own. Xvfb picks a free display
# number itself and writes it only once it accepts connections (-displayfd):
# xvfb-run's guess from lock files let a program now and then start against
# a display that was not there, under load.
#   on_virtual_display.sh COMMAND [ARGS...]
set -euo pipefail
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$number"' EXIT
until [ -s "$number" ]; do
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
DISPLAY=:$(cat "$number") "$@"
