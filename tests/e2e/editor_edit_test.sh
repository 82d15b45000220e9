#!/bin/bash
# headbot-edit with the mouse and keys: each kind placed, moved and removed
# lands in the saved file, undo and redo, a full table refuses, the level's
# corner sizes it (the top edge moving), and the unchanged round trip loads into the same world.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"
: "${SIM:?SIM must name headbot-sim}"

set_up_editor_test

# --- the unchanged round trip -------------------------------------------------
# odd spacing, records sharing a line, unknown letters and text after the end
cat >"$LEVELS/odd" <<'LEVEL'
s 640   240 p 64 167
Z 1 2
A 0 208 A 32
208
A 64 208
q 9 9
E 96 176
! 0 0 trailing words
LEVEL
start_editor "$LEVELS/odd"
key ctrl+s
wait_for_output "saved odd" 5
quit_editor
printf 's 640 240\np 64 167\nZ 1 2\nA 0 208\nA 32 208\nA 64 208\nq 9 9\nE 96 176\n! 0 0\n' >"$SCRATCH/expected"
diff "$SCRATCH/expected" "$LEVELS/odd" || fail "the round trip changed the records"
# the same world, frame by frame, in a play that walks and jumps
sim_trace() { printf '40 R\n30 RU\n100 L\n' | sim_play "$1" - --frames 300 --trace; }
printf 's 640   240 p 64 167\nZ 1 2\nA 0 208 A 32\n208\nA 64 208\nq 9 9\nE 96 176\n! 0 0 trailing words\n' >"$SCRATCH/original"
[[ "$(sim_trace "$SCRATCH/original")" == "$(sim_trace "$LEVELS/odd")" ]] ||
    fail "the saved file plays differently from the one opened"

# --- every kind placed, moved, removed; undo and redo; a full table ------------
{
    printf 's 640 240\np 64 167\nA 0 208\nA 32 208\n'
    for i in $(seq 0 99); do echo "M $((i * 32)) -2000"; done
    echo "! 0 0"
} >"$LEVELS/mine"
start_editor "$LEVELS/mine"
key 1; click_cell 192 128
key 2; click_cell 224 128
key 3; click_cell 256 128
key 4; click_cell 288 128
key 5; click_cell 384 128
# the palette's sixth slot: the mushroom, whose table is full
timeout 10 xdotool mousemove $((4 + 5 * 40 + 18)) 24 click 1
sleep 0.1
click_cell 448 128
wait_for_output "mushroom table is full" 5
key 7; click_cell 320 64
drag 200 140 200 76            # the ground tile up two cells
click_cell 224 128 3           # the fixed block removed
key ctrl+z ctrl+y ctrl+z       # removed again, then back
key ctrl+Right                 # the level one cell wider
key ctrl+s
wait_for_output "saved mine" 5
quit_editor
{
    printf 's 672 240\np 320 55\nA 0 208\nA 32 208\n'
    for i in $(seq 0 99); do echo "M $((i * 32)) -2000"; done
    printf 'A 192 64\nU 224 128\nE 256 128\nG 288 128\nD 384 129\n! 0 0\n'
} >"$SCRATCH/expected"
diff "$SCRATCH/expected" "$LEVELS/mine" || fail "the saved edits are not the ones made"

# the moving block's whole width belongs to it, and removing leaves no trace
start_editor "$LEVELS/mine"
click_cell 320 128 3           # the right half of the moving block
click_cell 384 128 3           # the spider
key ctrl+s
wait_for_output "saved mine" 5
quit_editor
grep -q '^G \|^D ' "$LEVELS/mine" && fail "the moving block or the spider was not removed"

# the level's top-right corner dragged: its size, to the nearest cell; the
# top edge moves, so the ground keeps its place above the bottom
printf 's 320 240\nA 0 208\n! 0 0\n' >"$LEVELS/narrow"
start_editor "$LEVELS/narrow"
drag 320 0 386 -50
key ctrl+s
wait_for_output "saved narrow" 5
quit_editor
printf 's 384 304\nA 0 272\n! 0 0\n' | diff - "$LEVELS/narrow" || fail "dragging the corner did not size the level"

grep -E 'runtime error|Sanitizer' "$SCRATCH/editor.err" && fail "the sanitizers reported"
echo "editor edit: all checks passed"
