#!/usr/bin/env bash
# The keyboard as a user has it, through the real window on an Xvfb display: Ctrl+Tab
# and Ctrl+Shift+Tab reach every document window in the order they opened, each filter
# of a season has its Alt key, Tab goes from the filter bar to the tabs and into the
# page, and Ctrl+PgDn and Ctrl+PgUp change pages while a list has the focus. What a page
# holds is read back through Copy and the clipboard. Exits 77 (skipped) without Xvfb,
# xdotool or xclip.
# Usage: check-keyboard.sh GRIDTALLY SEASON_LOG... (two logs at least)
set -u
program=$1
shift
name=check-keyboard
. "$(dirname "$0")/xvfb-check.sh" xdotool xclip
start_display main 1600x1000x24
export DISPLAY=$(head -1 "$work/display-main")

mkdir -p "$work/season" "$work/home"
for log in "$@"; do cp "$log" "$work/season/"; done
first=$(basename "$1")
second=$(basename "$2")
cp "$1" "$work/$first"
cp "$2" "$work/$second"

# The season first, then two games: three windows in that order, the last one active.
env -u WAYLAND_DISPLAY HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
    GRIDTALLY_SOCKET="$work/socket" QT_QPA_PLATFORM=xcb \
    "$program" --open "$work/season" "$work/$first" "$work/$second" > "$work/out" 2>&1 &
pids+=($!)
main() { xdotool search --onlyvisible --name '^Gridtally' 2> /dev/null | head -1; }
shown() { [ -n "$(main)" ]; }
within 60 shown || fail "no main window"
window=$(main)
title() { xdotool getwindowname "$window"; }
titled() { [[ "$(title)" == *"$1"* ]]; }
within 60 titled "$second" || fail "the games did not open: $(title)"
xdotool windowsize "$window" 1400 950
xdotool windowfocus --sync "$window"

# Sends the keys, then waits for the main window's title to hold $1.
expect_title() {
    local want=$1
    shift
    xdotool key --delay 80 "$@"
    within 5 titled "$want" || fail "after $*: the title is \"$(title)\", not with \"$want\""
}
# Copies the page shown and waits for the clipboard to match the pattern $1 at its
# start, in $2 lines (0: any number).
expect_copy() {
    local want=$1 lines=$2
    xdotool key ctrl+c
    copied() {
        local text
        text=$(xclip -o -selection clipboard 2> /dev/null) || return 1
        # shellcheck disable=SC2053
        [[ "$text" == $want* ]] || return 1
        ((lines == 0)) || [[ $(printf '%s\n' "$text" | wc -l) -eq $lines ]]
    }
    within 5 copied || fail "copied \"$(xclip -o -selection clipboard 2> /dev/null |
        head -3)\", not \"$want\" in $lines lines"
}

# Every window in turn, forwards and back, whichever was used last.
for name in season "$first" "$second" season; do expect_title "Gridtally - $name" ctrl+Tab; done
for name in "$second" "$first" season "$second"; do
    expect_title "Gridtally - $name" ctrl+shift+Tab
done
expect_title "Gridtally - season" ctrl+Tab

# Each filter's Alt key takes the focus to it: Down chooses its first value, Up "All".
for choice in "q:quarter 1" "d:down 1" "i:distance 0-1" "z:zone own" "s:score leading" \
    "o:opponent "; do
    expect_title "- ${choice#*:}" "alt+${choice%%:*}" Down
    expect_title "season - " Up
    titled "${choice#*:}" && fail "Up left \"${choice#*:}\" chosen"
done
club=$(title)
xdotool key alt+c Down
other() { [ "$(title)" != "$club" ]; }
within 5 other || fail "Alt+C did not reach the club"
expect_title "$club" Up

# From the bar's last field to the row of tabs (Left shows "Plays"), back to the club,
# into its row of pages, on to "Run Plays", into its list (Down selects a row).
xdotool key --delay 80 alt+o Tab Left
expect_copy $'Game\tPlay no.\t' 0
xdotool key --delay 80 Right Tab Right Right Right Tab Down
expect_copy $'Play\tCalls\tYards\tAvg' 2

# Ctrl+PgDn from the list: the next page, its list keeping the focus; Ctrl+PgUp back.
xdotool key ctrl+Next
expect_copy $'Play\tCmp/Att\t' 0
xdotool key Down
expect_copy $'Play\tCmp/Att\t' 2
xdotool key --delay 80 ctrl+Prior ctrl+Prior
expect_copy "* - Special Teams Stats" 0
echo "check-keyboard: windows, filters, Tab and the pages' keys all reached"
