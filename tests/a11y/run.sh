#!/usr/bin/env bash
# Drives the whole program through its accessibility tree, from another process, as a screen
# reader would. Starts its own virtual display, session bus and accessibility bus, and ends each
# of them by the id it started it with.
#   run.sh <program> <client.py>
set -uo pipefail

program=$1
client=$2
work=$(mktemp -d)
pids=()

finish() {
    local status=$?
    for (( i=${#pids[@]}-1; i>=0; i-- )); do
        # Each service runs in a process group of its own, led by the id we started.
        kill -TERM -- "-${pids[i]}" 2>/dev/null || kill -TERM "${pids[i]}" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

say() { printf 'a11y: %s\n' "$*" >&2; }

# Waits up to $1 tenths of a second for the file $2 to have content.
wait_for_file() {
    for _ in $(seq "$1"); do
        [ -s "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

# A display of our own: Xvfb picks a free number and writes it to the descriptor we give it.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for_file 100 "$work/display" || { say "Xvfb did not start"; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# A private session bus, so that nothing of the desktop around us takes part.
setsid dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for_file 100 "$work/bus" || { say "the session bus did not start"; exit 1; }
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
unset AT_SPI_BUS_ADDRESS

# The accessibility bus and its registry, as a desktop session would start them.
setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)

export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0
export LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR
# The pupil's record of this run goes in the work folder, never in the user's own.
export XDG_DATA_HOME="$work/data"

setsid "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

python=/usr/bin/python3
[ -x "$python" ] || python=python3
timeout 90 "$python" "$client" "$program_pid"
status=$?
if [ $status -ne 0 ]; then
    say "the client failed ($status); the program said:"
    cat "$work/program.log" >&2
fi
exit $status
