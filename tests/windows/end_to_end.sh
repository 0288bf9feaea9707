#!/usr/bin/env bash
# Quarnest.exe from end to end under Wine, on the X display of the test run (Xvfb, no window
# manager): it maps one main window with the client area of its form; Alt+A opens the About
# dialog and Alt+S there starts the System Information viewer registered through the registry, a
# stand-in of ours standing in a folder whose name holds a blank.
#
# end_to_end.sh WINE_RUN QUARNEST_EXE FAKE_VIEWER_EXE TITLE   (TITLE: the application title)
set -euo pipefail
source "$(dirname "$0")/../support/wait-for-window.sh"

wine_run=$1 exe=$2 viewer=$3 title=$4
export LC_ALL=zh_CN.UTF-8
work="$(mktemp -d)"
msinfo_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    "$wine_run" reg delete "$msinfo_key" /v PATH /f >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -p "$work/My Tools"
cp "$viewer" "$work/My Tools/MSINFO32.EXE"
viewer_path="$("$wine_run" winepath -w "$work/My Tools/MSINFO32.EXE" 2>/dev/null | tr -d '\r')"
"$wine_run" reg add "$msinfo_key" /v PATH /t REG_SZ /d "$viewer_path" /f >/dev/null
note_path="$("$wine_run" winepath -w "$work/started.txt" 2>/dev/null | tr -d '\r')"

QUARNEST_VIEWER_NOTE="$note_path" "$wine_run" "$exe" &
pid=$!

main="$(wait_for_window "$pid" "^Quarnest－$title\$")"
[ "$(wc -l <<<"$main")" -eq 1 ] || fail "more than one main window: $main"
geometry="$(xwininfo -id "$main" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$geometry" = 689x379 ] || fail "client area $geometry, not 689x379"
echo "main window $main, client area $geometry"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+a
about="$(wait_for_window "$pid" "^关于$title \$")"
echo "About dialog $about"
xdotool key --clearmodifiers alt+s
for _ in $(seq 60); do
    [ -s "$work/started.txt" ] && break
    sleep 0.5
done
[ -s "$work/started.txt" ] || fail "System Information did not start the registered viewer"
started="$(cat "$work/started.txt")"
[ "$started" = "$viewer_path" ] || fail "started as '$started', not '$viewer_path'"
echo "System Information started $started"
