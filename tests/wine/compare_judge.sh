#!/usr/bin/env bash
# The day's list judged twice, by kalvemo-judge on Linux and by
# kalvemo-judge.exe under Wine: for every sample in examples/ (UTF-8 and
# CP932, desk headings and item codes, and the national checkup archive,
# read through libzip) the result files must be identical
# byte for byte, and so must the exit statuses and the summaries on
# standard error (but for the line naming the result's path).
# Run by scripts/test-windows, which sets up Wine.
# Arguments: the Linux program, the Windows program.
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

# The summary without the result's path.
summary() { grep -v '^結果: ' "$1"; }
# Windows writes text to a redirected stream with Windows line ends: every
# line must have one, and then the summary is compared without them.
windows_summary() {
    if grep -q $'[^\r]$\|^$' "$1"; then
        echo "FAIL $(basename "$1"): a line without a Windows line end" >&2
        cat -A "$1" >&2
        return 1
    fi
    sed 's/\r$//' "$1" | summary /dev/stdin
}

failed=0 compared=0
for input in examples/*; do
    name=$(basename "$input")
    cp "$input" "$work/$name"
    # Relative paths: each program names the file as its own system does.
    # No console and no keyboard: a run from a script never waits for a key.
    linux_status=0 windows_status=0
    (cd "$work" && "$linux" "$name" -o "linux/$name" </dev/null 2>"linux/$name.err") || linux_status=$?
    (cd "$work" && wine "$windows" "$name" -o "windows/$name" </dev/null 2>"windows/$name.err") || windows_status=$?
    compared=$((compared + 1))
    before=$failed
    if [ "$linux_status" != "$windows_status" ]; then
        echo "FAIL $name: exit status $linux_status on Linux, $windows_status under Wine"
        failed=$((failed + 1))
    fi
    if ! cmp "$work/linux/$name" "$work/windows/$name"; then
        echo "FAIL $name: the result files differ"
        failed=$((failed + 1))
    fi
    if ! windows_summary "$work/windows/$name.err" >"$work/windows/$name.summary" ||
        ! diff <(summary "$work/linux/$name.err") "$work/windows/$name.summary"; then
        echo "FAIL $name: the summaries differ"
        failed=$((failed + 1))
    fi
    [ "$failed" = "$before" ] && echo "same on Linux and under Wine: $name (exit $linux_status, $(wc -c <"$work/linux/$name") bytes)"
done
[ "$failed" = 0 ] || { echo "kalvemo-judge: $failed differences between Linux and Wine"; exit 1; }
echo "kalvemo-judge: $compared samples judged alike on Linux and under Wine."
