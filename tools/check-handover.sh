#!/usr/bin/env bash
# `gridtally --open` hands its files only to the program running on its own display: two
# Xvfb displays of one user and one session (one XDG_RUNTIME_DIR), a program on the first,
# then `--open` from each display. Exits 77 (skipped) without Xvfb or xwininfo.
# Usage: check-handover.sh GRIDTALLY GAME.log
set -u
program=$1
game=$2
name=check-handover
. "$(dirname "$0")/xvfb-check.sh" xwininfo
start_display a 1024x768x24
start_display b 1024x768x24
a=$(head -1 "$work/display-a")
b=$(head -1 "$work/display-b")

mkdir -m 700 "$work/runtime"
cp "$game" "$work/first.log"
cp "$game" "$work/second.log"

# One run of the program on display $1 with a HOME of its own; the rest are its arguments.
# It is stopped after $LIMIT seconds when that is set.
run_on() {
    local display=$1 home
    shift
    home=$(mktemp -d "$work/home.XXXX")
    timeout "${LIMIT:-0}" env -u GRIDTALLY_SOCKET -u WAYLAND_DISPLAY DISPLAY="$display" \
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" HOME="$home" "$program" "$@"
}
# Whether display $1 shows a window whose title holds $2.
shows() { xwininfo -display "$1" -root -tree 2> /dev/null | grep -q -- "$2"; }

run_on "$a" > "$work/a.out" 2>&1 &
pids+=($!)
within 60 shows "$a" '"Gridtally"' || fail "no main window on $a"

# From the other display: no program runs there, so this run opens its own window.
run_on "$b" --open "$work/first.log" > "$work/b.out" 2>&1 &
from_b=$!
pids+=($from_b)
within 60 shows "$b" 'first.log' || {
    kill -0 $from_b 2> /dev/null || echo "check-handover: the run on $b ended: it handed its file over"
    shows "$a" 'first.log' && fail "a file opened on $b landed in the window on $a"
    fail "first.log did not open on $b"
}
shows "$a" 'first.log' && fail "first.log opened on $a as well"

# From the first display: handed over to its program, and the run ends.
LIMIT=60 run_on "$a" --open "$work/second.log" || fail "--open on $a did not end in time"
within 30 shows "$a" 'second.log' || fail "second.log, opened on $a, is not in its window"
shows "$b" 'second.log' && fail "second.log, opened on $a, landed on $b"

# And from the second display again: to the program that runs there now.
LIMIT=60 run_on "$b" --open "$work/second.log" || fail "--open on $b did not hand over"
within 30 shows "$b" 'second.log' || fail "second.log did not reach the program on $b"
echo "check-handover: files opened on $a and $b stay on their displays"
