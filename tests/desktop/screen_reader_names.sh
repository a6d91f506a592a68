#!/usr/bin/env bash
# Runs the screen-reader check on a virtual X display inside its own session
# bus, where the accessibility bus starts on demand.
#   screen_reader_names.sh PATH/TO/kalvemo
set -euo pipefail
here=$(dirname "$0")
exec "$here/on_virtual_display.sh" \
    dbus-run-session -- /usr/bin/python3 "$here/screen_reader_names.py" "$1"
