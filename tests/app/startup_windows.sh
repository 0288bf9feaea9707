#!/usr/bin/env bash
# The program as a user starts it, on the X display of the test run: without options, and with an
# option it does not know (start-up shows no message), it maps the calculator's window alone; with
# --two-pin, the two-pin locating design's window alone.
#
# startup_windows.sh PROGRAM TITLE [EMULATOR]   (TITLE: the application title of its identity)
set -euo pipefail
source "$(dirname "$0")/../support/wait-for-window.sh"

program=$1 title=$2
shift 2
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

# Starts the program with the given options and checks the one window it maps by its title.
expect_only_window() {
    local title=$1
    shift
    "$@" "$program" "${options[@]}" &
    pid=$!
    wait_for_window "$pid" "^$title\$" >/dev/null || exit 1
    sleep 1 # a second window would be up by now
    local names
    names="$(for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$id"; done | sort -u || true)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    if [ "$names" != "$title" ]; then
        echo "FAIL: with '${options[*]}' the windows are: ${names:-none}, not $title" >&2
        exit 1
    fi
    echo "with '${options[*]}': $title"
}

options=()
expect_only_window "Quarnest－$title" "$@"
options=(--two-pin)
expect_only_window "两销定位设计－$title" "$@"
options=(--unknown)
expect_only_window "Quarnest－$title" "$@"
