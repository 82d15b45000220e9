#!/bin/bash
# The editor: a file never written says "new"; the level size typed at S
# (Enter applies, Esc cancels, nonsense is refused) keeps the ground where
# it is; P pauses test play and P again goes on.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"

set_up_editor_test

# never written, never edited: "new", not "saved"
start_editor "$LEVELS/fresh"
wait_for_output "fresh is new" 10
quit_editor
grep -q "fresh: new, never written, not cleared" "$EDITOR_OUT" ||
    fail "a file never written is not called new: $(tail -1 "$EDITOR_OUT")"

printf "$SHORT_LEVEL" >"$LEVELS/mine"
start_editor "$LEVELS/mine"
wait_for_output "mine: 7 records" 10

# Waits up to $3 s for the editor to have said $1 $2 times.
wait_for_count() {
    local deadline=$((SECONDS + $3))
    until (($(grep -c -- "$1" "$EDITOR_OUT") >= $2)); do
        ((SECONDS < deadline)) || fail "the editor said \"$1\" fewer than $2 times: $(cat "$EDITOR_OUT")"
        sleep 0.05
    done
}

# refused sizes leave the level as it is
refused=0
for typed in "abc" "-5 100" "2000000 480" "640"; do
    key s
    key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    timeout 10 xdotool type --delay 40 -- "$typed"
    key Return
    refused=$((refused + 1))
    wait_for_count "size unchanged: " $refused 5
done
grep -q 'not 2000000 by 480' "$EDITOR_OUT" || fail "a side beyond the limit was not named"
key s
key Escape
wait_for_count "size unchanged" $((refused + 1)) 5

# a typed size: twice the height, the objects moved down with the bottom
key s
key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
timeout 10 xdotool type --delay 40 "1280 480"
key Return
wait_for_output "level 1280 by 480" 5
key ctrl+s
wait_for_output "saved mine" 5
expected='s 1280 480\np 64 407\nA 0 448\nA 32 448\nA 64 448\nA 96 448\nA 128 448\n! 0 0\n'
[[ "$(cat "$LEVELS/mine")" == "$(printf "$expected")" ]] ||
    fail "the typed size did not keep the ground at the bottom: $(cat "$LEVELS/mine")"

# P pauses test play: Up held while paused wins nothing, and once P goes
# on, the play is won with the frames it had before the pause
key F5
sleep 0.2
key p
timeout 10 xdotool keydown Up
sleep 2
grep -q "WON in" "$EDITOR_OUT" && fail "test play went on while paused"
key p
wait_for_output "WON in" 20
timeout 10 xdotool keyup Up
quit_editor
grep -E 'runtime error|Sanitizer' "$SCRATCH/editor.err" && fail "the sanitizers reported"
echo "editor feedback: all checks passed"
