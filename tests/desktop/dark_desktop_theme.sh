#!/usr/bin/env bash
# The window on a real X display under the GTK platform theme: rendered once
# with the light and once with the dark Adwaita theme, the two pictures must
# be the same pixel for pixel, and the dark theme must really have darkened
# the desktop's palette (or the comparison proves nothing).
#   dark_desktop_theme.sh PATH/TO/render_window
set -euo pipefail
render=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

shoot() { # theme, picture
    GTK_THEME=$1 QT_QPA_PLATFORMTHEME=gtk3 QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$render" "$2" 2>/dev/null
}
light=$(shoot Adwaita "$out/light.png")
dark=$(shoot Adwaita:dark "$out/dark.png")
echo "light theme: $light"
echo "dark theme:  $dark"
[ "$light" != "$dark" ] || { echo "FAIL: the dark theme did not change the desktop's palette"; exit 1; }

differing=$(compare -metric AE "$out/light.png" "$out/dark.png" /dev/null 2>&1 || true)
echo "pixels that differ: $differing"
if [ "$differing" = 0 ]; then
    echo "1 passed, 0 failed"
else
    echo "0 passed, 1 failed"
    exit 1
fi
