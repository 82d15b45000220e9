#!/bin/bash
# F6 in headbot-edit: the level as edited is searched for a win; the keys
# found are written beside it and headbot-sim replays them to a win; Esc
# stops a search of a level that cannot be won, and the editor goes on. W
# watches the keys found.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"
: "${SIM:?SIM must name headbot-sim}"

set_up_editor_test
printf "$SHORT_LEVEL" >"$LEVELS/mine"

start_editor "$LEVELS/mine"
key F6
wait_for_output "a win exists" 40
[[ -f "$LEVELS/mine.solved.keys" ]] || fail "no key script after a search that found a win"
[[ -e "$LEVELS/mine.keys" ]] && fail "a search cleared the level: only a play of its maker does"
result=$(sim_play "$LEVELS/mine" "$LEVELS/mine.solved.keys" | tail -n1)
[[ $result == "result: won "* ]] || fail "headbot-sim gives \"$result\" for the keys the search found"
# W plays the keys found as test play plays, to the same win, and clears nothing
found_frames=$(sed -n 's/^a win exists: \([0-9]*\) frames.*/\1/p' "$EDITOR_OUT")
key w
wait_for_output "watched the search's win: $found_frames frames" 20
[[ -e "$LEVELS/mine.keys" ]] && fail "watching the search's keys cleared the level"

# a closed roof: the search runs until Esc stops it, and the editor stays
roof=""
for x in $(seq 0 32 608); do roof+="U $x 0\nA $x 208\n"; done
printf "s 640 240\np 64 167\n${roof}! 0 0\n" >"$LEVELS/closed"
quit_editor
start_editor "$LEVELS/closed"
key F6
wait_for_output "searching for a win" 10
sleep 1.5
escape_until "search stopped, no win found yet" "stopped the search"
[[ -e "$LEVELS/closed.solved.keys" ]] && fail "keys written for a level with no win found"
quit_editor

grep -E 'runtime error|Sanitizer' "$SCRATCH/editor.err" && fail "the sanitizers reported"
echo "editor search: all checks passed"
