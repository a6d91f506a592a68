#!/usr/bin/env bash
# Deploys Kalvemo as an administrator would to many desks: the installer run
# silently (/S) for the current user, then kalvemo.exe started from where it
# was installed, with no help from the build tree. Checks that its window
# shows, saves a picture of it, closes it, and uninstalls silently.
# Run by scripts/test-windows, which sets up Wine and the display.
# Argument: where to save the picture.
set -euo pipefail
picture=$1
app_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvemo'
fail() { echo "FAIL: $*" >&2; exit 1; }
# A Windows folder as Wine names it (%APPDATA%, say), as a Unix path. A CI run
# once got an empty answer, which made the path "/Microsoft/..."; an answer is
# taken only if cmd gave a drive path and winepath an absolute one, asked up
# to three times.
windows_dir() {
    local answer="" path=""
    for _ in 1 2 3; do
        answer=$(wine cmd /c "echo $1" </dev/null | tr -d '\r') || true
        if [[ $answer == [A-Za-z]:\\?* ]]; then
            path=$(winepath -u "$answer" </dev/null) || true
            if [[ $path == /?* ]]; then echo "$path"; return; fi
        fi
        sleep 1
    done
    fail "Wine did not name $1 (cmd said '$answer', winepath '$path')"
}

setup=$(ls -t dist/Kalvemo-*-windows-x64-setup.exe | sed -n 1p)
dir=$(windows_dir '%LOCALAPPDATA%')/Programs/Kalvemo
menu=$(windows_dir '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Kalvemo

# NSIS installers and uninstallers hand over to a copy of themselves and
# return at once; wineserver -w waits until every Windows process is done.
uninstall() { wine "$dir/uninstall.exe" /S; wineserver -w; }
[ -e "$dir/uninstall.exe" ] && uninstall # left by a run cut short

echo "Installing $setup /S"
wine "$setup" /S
wineserver -w
[ -f "$dir/kalvemo.exe" ] || fail "kalvemo.exe not in $dir"
[ -f "$dir/kalvemo-judge.exe" ] || fail "kalvemo-judge.exe not beside kalvemo.exe"
[ -f "$dir/platforms/qwindows.dll" ] || fail "platform plugin not installed"
[ -f "$dir/translations/qtbase_ja.qm" ] || fail "Qt's Japanese texts not installed"
[ -f "$dir/licenses/Qt/Qt-Japanese-translation.txt" ] || fail "the translation's licence note not installed"
[ -f "$dir/licenses/Kalvemo-License.txt" ] || fail "Kalvemo's licence not installed"
[ -f "$menu/Kalvemo.lnk" ] || fail "no Start-menu entry in $menu"
wine reg query "$app_key" /v UninstallString >/dev/null || fail "not listed under Apps"

# The day's list from the installed folder alone, as from a command prompt.
env -u WINEPATH wine "$dir/kalvemo-judge.exe" --help </dev/null | grep 'kalvemo-judge' >/dev/null \
    || fail "kalvemo-judge.exe does not run from $dir"

# Started from the installed folder alone: no WINEPATH to the build's DLLs.
env -u WINEPATH wine "$dir/kalvemo.exe" &
app=$!
window=""
for _ in $(seq 120); do
    window=$(xdotool search --onlyvisible --name '^Kalvemo$' 2>/dev/null | sed -n 1p) && [ -n "$window" ] && break
    kill -0 $app 2>/dev/null || fail "kalvemo.exe ended before showing its window"
    sleep 0.5
done
[ -n "$window" ] || fail "no Kalvemo window within 60 s"
sleep 2 # let it finish painting
xwininfo -id "$window" | grep -E 'Width|Height|Map State'
import -window "$window" "$picture"
echo "Picture of the window: $picture"

# taskkill without /f asks politely (WM_CLOSE), as the close box does.
wine taskkill /im kalvemo.exe >/dev/null
for _ in $(seq 60); do kill -0 $app 2>/dev/null || break; sleep 0.5; done
kill -0 $app 2>/dev/null && fail "kalvemo.exe did not close"
wait $app || fail "kalvemo.exe exited with status $?"

echo "Uninstalling"
uninstall
[ ! -e "$dir" ] || fail "uninstall left $dir: $(ls -A "$dir")"
[ ! -e "$menu" ] || fail "uninstall left the Start-menu entry"
! wine reg query "$app_key" >/dev/null 2>&1 || fail "uninstall left the Apps entry"
echo "Installer: installed, started, showed its window, closed, uninstalled."
