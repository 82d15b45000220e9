#!/bin/bash
# On a desktop where the game's window is enlarged, the editor's is too, by
# the same factor from the same config.txt, and a click lands on the cell
# under the pointer.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"

start_xvfb 1920x1080x24   # the shipped config.txt fits a factor of 2 here
copy_game
LEVELS="$SCRATCH/levels"
mkdir -p "$LEVELS"
printf "$SHORT_LEVEL" >"$LEVELS/mine"
start_editor "$LEVELS/mine"
wait_for_output "mine: 7 records" 10
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^headbot-edit' | head -n1)
geometry=$(timeout 10 xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: *//p')
[[ "$geometry" == 1280x960 ]] || fail "the editor's window is $geometry, not the game's 1280x960"

# a fixed block in the cell at (320, 128), clicked at twice its window place
key 2
timeout 10 xdotool mousemove $((2 * $(window_x 330))) $((2 * $(window_y 138)))
sleep 0.05
timeout 10 xdotool click 1
sleep 0.2
key ctrl+s
wait_for_output "saved mine" 5
quit_editor
grep -qx 'U 320 128' "$LEVELS/mine" || fail "the click did not place at the cell under the pointer: $(cat "$LEVELS/mine")"
echo "editor scale: all checks passed"
