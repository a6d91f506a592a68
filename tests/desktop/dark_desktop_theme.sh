#!/usr/bin/env bash
# The window on a real X display under the GTK platform theme: rendered once
# with the light and once with the dark Adwaita theme, empty and with its
# flags (a value to check, results out of date, the message line), the two
# pictures must be the same pixel for pixel, and the dark theme must really
# have darkened the desktop's palette (or the comparison proves nothing).
#   dark_desktop_theme.sh PATH/TO/render_window
set -euo pipefail
render=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

shoot() { # theme, picture, scenario
    GTK_THEME=$1 QT_QPA_PLATFORMTHEME=gtk3 QT_QPA_PLATFORM=xcb \
        "$(dirname "$0")/on_virtual_display.sh" "$render" "$2" ${3:-} 2>/dev/null
}
passed=0
failed=0
for scenario in empty flagged; do
    arg=$scenario
    [ "$scenario" = empty ] && arg=
    light=$(shoot Adwaita "$out/light-$scenario.png" $arg)
    dark=$(shoot Adwaita:dark "$out/dark-$scenario.png" $arg)
    echo "$scenario, light theme: $light"
    echo "$scenario, dark theme:  $dark"
    [ "$light" != "$dark" ] || { echo "FAIL: the dark theme did not change the desktop's palette"; exit 1; }
    differing=$(compare -metric AE "$out/light-$scenario.png" "$out/dark-$scenario.png" /dev/null 2>&1 || true)
    echo "$scenario, pixels that differ: $differing"
    if [ "$differing" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
