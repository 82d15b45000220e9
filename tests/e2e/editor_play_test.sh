#!/bin/bash
# Test play in headbot-edit: a small level won with injected keys writes a
# key script that headbot-sim replays to a win; the level is then cleared
# until it changes; Esc ends a play and returns to the editor; test play
# never writes the progress file.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"
: "${SIM:?SIM must name headbot-sim}"

set_up_editor_test
printf "$SHORT_LEVEL" >"$LEVELS/mine"

start_editor "$LEVELS/mine"
key F5
sleep 0.3
timeout 10 xdotool keydown Up
wait_for_output "WON in" 20
timeout 10 xdotool keyup Up
[[ -f "$LEVELS/mine.keys" ]] || fail "no key script after a won play"
key ctrl+s
wait_for_output "saved mine (7 records), cleared" 5

# Esc ends a play; the editor goes on, and a change takes the mark away
key F5
sleep 0.5
escape_until "play stopped" "ended the play"
quit_editor
grep -q "mine: saved, cleared" "$EDITOR_OUT" || fail "a won and saved level is not cleared: $(tail -3 "$EDITOR_OUT")"

# headbot-sim replays the script to the same win
result=$(sim_play "$LEVELS/mine" "$LEVELS/mine.keys" --frames 100000 | tail -n1)
frames=$(sed -n 's/^# headbot-edit: .*, \([0-9]*\) frames on .*/\1/p' "$LEVELS/mine.keys")
[[ $result == "result: won frames=$frames "* ]] ||
    fail "headbot-sim gives \"$result\" for the recorded play of $frames frames"

# opened again, the key script beside it keeps the level cleared; one change
# and it is not
start_editor "$LEVELS/mine"
wait_for_output "cleared by mine.keys" 5
key 1; click_cell 320 128
key Escape Escape
wait_for_output "mine: not saved, not cleared" 10
EDITOR_PID=""

for folder in "$GAME" "$LEVELS"; do
    [[ -e "$folder/saved" ]] && fail "test play wrote a progress file in $folder"
done
grep -E 'runtime error|Sanitizer' "$SCRATCH/editor.err" && fail "the sanitizers reported"
echo "editor play: all checks passed"
