#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest: the Windows build names
# this script as its CMAKE_CROSSCOMPILING_EMULATOR. A Windows program's
# console does not reach the terminal, so QtTest writes its report to a file
# that is printed here. The benchmarks that are not QtTest programs take only
# their own arguments, and print their figures themselves.
# scripts/test-windows sets up Wine and the display.
set -euo pipefail
exe=$1
shift
# Real events through Qt's Windows platform plugin, not the offscreen one
# that the tests ask for on Linux.
export QT_QPA_PLATFORM=windows
# A QtTest program imports Qt6Test.dll. grep reads to the end, so that
# objdump is never cut off under pipefail.
if ! x86_64-w64-mingw32-objdump -p "$exe" | grep 'DLL Name: Qt6Test.dll' >/dev/null; then
    exec wine "$exe" "$@"
fi
report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
status=0
# Wine's drive Z: is the Linux root.
wine "$exe" "$@" -o "Z:${report//\//\\},txt" >/dev/null 2>&1 || status=$?
cat "$report"
exit "$status"
