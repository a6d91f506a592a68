#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest: the Windows build names
# this script as its CMAKE_CROSSCOMPILING_EMULATOR. A Windows program's
# console does not reach the terminal, so QtTest writes its report to a file
# that is printed here. scripts/test-windows sets up Wine and the display.
set -euo pipefail
exe=$1
shift
report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
status=0
# Real events through Qt's Windows platform plugin, not the offscreen one
# that the tests ask for on Linux. Wine's drive Z: is the Linux root.
QT_QPA_PLATFORM=windows wine "$exe" "$@" -o "Z:${report//\//\\},txt" >/dev/null 2>&1 || status=$?
cat "$report"
exit "$status"
