#!/usr/bin/env bash
# Checks the Debian package that scripts/build-deb makes: the files it
# installs and their modes, its name and version, that it depends on the
# packages of every library the program links and of what Qt loads at run
# time, and that lintian finds neither an error nor a warning in it.
# Usage: check_deb.sh DEB VERSION
set -euo pipefail

if [[ $# -ne 2 || ! -f $1 ]]; then
    echo "usage: $0 DEB VERSION" >&2
    exit 2
fi
deb=$1
version=$2
app_id=io.github.kalvemo.Kalvemo

failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every file of the package, with its mode; nothing more, nothing less.
expected_files=(
    "-rwxr-xr-x ./usr/bin/kalvemo"
    "-rwxr-xr-x ./usr/bin/kalvemo-judge"
    "-rw-r--r-- ./usr/share/applications/$app_id.desktop"
    "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "-rw-r--r-- ./usr/share/man/man1/kalvemo.1.gz"
    "-rw-r--r-- ./usr/share/man/man1/kalvemo-judge.1.gz"
    "-rw-r--r-- ./usr/share/doc/kalvemo/README.md.gz"
    "-rw-r--r-- ./usr/share/doc/kalvemo/changelog.gz"
    "-rw-r--r-- ./usr/share/doc/kalvemo/copyright"
)
# Packages that Depends must name: the Qt libraries the program links, the
# zip library kalvemo-judge reads the national archives with, the platform
# plugins Qt loads to open a window, Qt's Japanese texts, the Japanese font.
expected_depends=(
    libqt6core6
    libqt6gui6
    libqt6widgets6
    libzip4
    qt6-qpa-plugins
    qt6-translations-l10n
    fonts-ipafont-gothic
)
expected_fields=(
    "Package: kalvemo"
    "Version: $version"
    "Maintainer: Kalvemo authors <kalvemo@example.org>"
)

# Mode and path of each file (not directory) in the data archive.
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
while read -r line; do
    if grep -qxF -- "$line" <<<"$actual"; then
        pass "$line"
    else
        fail "$line: missing or another mode ($(grep -F -- " ${line#* }" <<<"$actual" || echo absent))"
    fi
done <<<"$expected"
while read -r line; do
    [[ -z $line ]] || fail "unexpected file: $line"
done < <(comm -13 <(echo "$expected" | sed 's/^[^ ]* //' | sort) <(echo "$actual" | sed 's/^[^ ]* //' | sort))
while read -r line; do
    fail "directory not 0755: $line"
done < <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $6 }')

for field in "${expected_fields[@]}"; do
    [[ $(dpkg-deb -f "$deb" "${field%%:*}") == "${field#*: }" ]] \
        && pass "$field" || fail "${field%%:*} is '$(dpkg-deb -f "$deb" "${field%%:*}")', not '${field#*: }'"
done

# Depends as bare package names, one a line.
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
for package in "${expected_depends[@]}"; do
    grep -qxF "$package" <<<"$depends" \
        && pass "Depends names $package" || fail "Depends lacks $package: $(dpkg-deb -f "$deb" Depends)"
done

# The package that holds a library, as dpkg knows it: with /lib merged into
# /usr/lib, dpkg may have recorded either spelling of the path.
owner_of() {
    local path
    for path in "$1" "${1#/usr}" "/usr$1"; do
        dpkg -S "$path" 2>/dev/null | awk -F: 'NR == 1 { print $1 }' | grep . && return
    done
}

# Each library the program links belongs to a package that Depends names.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for soname in $(objdump -p "$unpacked/usr/bin/kalvemo" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldconfig -p | awk -v s="$soname" '$1 == s && /x86-64/ && !found { found = $NF } END { print found }')
    owner=$([[ -n $path ]] && owner_of "$path" || true)
    if [[ -n $owner ]] && grep -qxF "$owner" <<<"$depends"; then
        pass "$soname comes from $owner, which Depends names"
    else
        fail "$soname (${path:-not found}, package '${owner}') is not covered by Depends"
    fi
done

# The newest changelog entry is this version's.
entry=$(zcat "$unpacked/usr/share/doc/kalvemo/changelog.gz" | sed -n 1p)
[[ $entry == "kalvemo ($version) "* ]] \
    && pass "changelog starts with $version" \
    || fail "changelog's newest entry is '$entry'; add one for $version to packaging/debian/changelog"

echo "lintian:"
if lintian --fail-on error,warning --info "$deb" 2>&1 | grep -v 'running with root privileges'; [[ ${PIPESTATUS[0]} -eq 0 ]]; then
    pass "lintian: no error, no warning"
else
    fail "lintian found errors or warnings (above)"
fi

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
