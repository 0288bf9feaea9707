# Sourced by the tests that start a program and look for its windows on the X display (xdotool).

# wait_for_window PID PATTERN: waits up to 60 s for a visible window whose name matches the
# pattern and prints its ids; fails at once when process PID, the program, has ended.
wait_for_window() {
    local pid=$1 pattern=$2 ids
    for _ in $(seq 120); do
        ids="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)"
        if [ -n "$ids" ]; then
            echo "$ids"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "FAIL: the program ended without a window named '$pattern'" >&2
            return 1
        fi
        sleep 0.5
    done
    echo "FAIL: no window named '$pattern' within 60 s" >&2
    return 1
}
