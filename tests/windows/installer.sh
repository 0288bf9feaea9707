#!/usr/bin/env bash
# The Windows installer, made by CPack's NSIS generator from this build, installed and removed
# silently under Wine: it places Quarnest.exe in Program Files, a Start-menu shortcut under the
# Chinese name, one for the two-pin locating design and an entry in the installed-programs list;
# the installed program starts and maps its window; the uninstaller leaves nothing of ours behind.
#
# installer.sh WINE_RUN CPACK BUILD_DIR NAME VERSION PUBLISHER SHORTCUT_NAME TWO_PIN_SHORTCUT_NAME
set -euo pipefail
source "$(dirname "$0")/../support/wait-for-window.sh"

wine_run=$1 cpack=$2 build_dir=$3 name=$4 version=$5 publisher=$6 shortcut=$7 two_pin=$8
export LC_ALL=zh_CN.UTF-8
prefix="$("$wine_run" --prefix)"
export WINEPREFIX="$prefix"
folder="$prefix/drive_c/Program Files/$name"
work="$(mktemp -d)"
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    # A failed run leaves no installation behind for the next one.
    if [ -f "$folder/Uninstall.exe" ]; then
        "$wine_run" "$folder/Uninstall.exe" /S || true
        wineserver -w
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cpack" -G NSIS --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
installer="$work/$name-$version-win64.exe"
[ -f "$installer" ] || fail "no installer $installer"
echo "installer $(basename "$installer"): $(stat -c %s "$installer") bytes"

link="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$shortcut/$shortcut.lnk"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
query() { "$wine_run" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r'; }

"$wine_run" "$installer" /S
wineserver -w
[ -f "$folder/$name.exe" ] || fail "not installed: $folder/$name.exe"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller in $folder"
[ -f "$link" ] || fail "no Start-menu shortcut $link"
[ -f "$(dirname "$link")/$two_pin.lnk" ] || fail "no Start-menu shortcut $two_pin.lnk"
query DisplayVersion | grep -q "$version" || fail "no DisplayVersion $version"
query Publisher | grep -q "$publisher" || fail "no Publisher $publisher"
query UninstallString | grep -qi 'Uninstall.exe' || fail "no UninstallString"
query DisplayName | grep -q "$name" || fail "no DisplayName"
echo "installed into $folder, shortcut $(basename "$link")"

"$wine_run" "$folder/$name.exe" &
pid=$!
wait_for_window "$pid" "^$name－" >/dev/null || fail "the installed program mapped no window"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "the installed program mapped its window"

"$wine_run" "$folder/Uninstall.exe" /S
wineserver -w
# The uninstaller copies itself aside and finishes from there.
for _ in $(seq 60); do
    [ -e "$folder" ] || break
    sleep 0.5
done
[ ! -e "$folder" ] || fail "left behind: $(find "$folder")"
[ ! -e "$(dirname "$link")" ] || fail "left behind: $(dirname "$link")"
if "$wine_run" reg query "$uninstall_key" >/dev/null 2>&1; then
    fail "left behind: $uninstall_key"
fi
echo "uninstalled without a trace"
