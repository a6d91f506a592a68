#!/usr/bin/env bash
# Installs a built Kalvemo into a fresh prefix and checks the layout that a
# Linux desktop relies on: the program, its desktop entry and its icon.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail

if [[ $# -ne 1 || ! -d $1 ]]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build_dir=$1
app_id=io.github.kalvemo.Kalvemo

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "installing $build_dir into $prefix"
if ! cmake --install "$build_dir" --prefix "$prefix"; then
    echo "FAIL: cmake --install"
    exit 1
fi

# Value of KEY (exactly, e.g. "Comment[ja]") in the [Desktop Entry] group.
entry_value() {
    awk -v key="$1" '
        /^\[/ { in_entry = ($0 == "[Desktop Entry]"); next }
        in_entry {
            eq = index($0, "=")
            if (eq == 0) next
            k = substr($0, 1, eq - 1); sub(/[ \t]+$/, "", k)
            if (k != key) next
            v = substr($0, eq + 1); sub(/^[ \t]+/, "", v)
            print v; exit
        }' "$desktop"
}

# The programs: the window and the day's list.
for program in kalvemo kalvemo-judge; do
    if [[ -f $prefix/bin/$program && -x $prefix/bin/$program ]]; then
        pass "bin/$program is an executable file"
    else
        fail "bin/$program is missing or not executable"
    fi
done

# The desktop entry.
desktop=$prefix/share/applications/$app_id.desktop
if [[ -f $desktop ]]; then
    pass "share/applications/$app_id.desktop exists"
    [[ $(entry_value Type) == Application ]] \
        && pass "Type=Application" || fail "Type is '$(entry_value Type)', not Application"
    [[ $(entry_value Name) == Kalvemo ]] \
        && pass "Name=Kalvemo" || fail "Name is '$(entry_value Name)', not Kalvemo"
    [[ $(entry_value Exec) == kalvemo ]] \
        && pass "Exec=kalvemo" || fail "Exec is '$(entry_value Exec)', not kalvemo"
    [[ $(entry_value Terminal) == false ]] \
        && pass "Terminal=false" || fail "Terminal is '$(entry_value Terminal)', not false"
    [[ ";$(entry_value Categories)" == *";MedicalSoftware;"* ]] \
        && pass "Categories has MedicalSoftware" \
        || fail "Categories '$(entry_value Categories)' lacks MedicalSoftware"
    [[ -n $(entry_value 'Comment[ja]') ]] \
        && pass "Comment[ja] is set" || fail "Comment[ja] is missing or empty"
    icon_name=$(entry_value Icon)
else
    fail "share/applications/$app_id.desktop is missing"
    icon_name=
fi

# The icon: where the hicolor theme looks for it, and a real SVG document.
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
if [[ -f $icon ]]; then
    pass "share/icons/hicolor/scalable/apps/$app_id.svg exists"
    if command -v python3 >/dev/null 2>&1; then
        if python3 -c '
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
sys.exit(0 if root.tag == "{http://www.w3.org/2000/svg}svg" else 1)' "$icon"; then
            pass "icon parses as XML with an svg root"
        else
            fail "icon is not XML with an svg root"
        fi
    elif grep -q '<svg' "$icon"; then
        pass "icon contains an <svg> element (python3 absent, not parsed)"
    else
        fail "icon has no <svg> element"
    fi
else
    fail "share/icons/hicolor/scalable/apps/$app_id.svg is missing"
fi

# The entry names the icon by its file name, without a path or extension.
if [[ -f $desktop ]]; then
    [[ $icon_name == "$(basename "$icon" .svg)" ]] \
        && pass "Icon=$icon_name matches the icon's file name" \
        || fail "Icon is '$icon_name', the icon file is $(basename "$icon")"
fi

if command -v desktop-file-validate >/dev/null 2>&1; then
    if [[ -f $desktop ]] && desktop-file-validate "$desktop"; then
        pass "desktop-file-validate accepts the entry"
    else
        fail "desktop-file-validate rejects the entry"
    fi
else
    echo "SKIP: desktop-file-validate not installed"
fi

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
