#!/bin/bash
# A level edited straight out of a pack: a won test play stores the level
# with its new clear in the pack, proven; a change saved stores it unproven;
# the pack's other levels stay as they were.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"
PACK_TOOL="$BUILD_DIR/headbot-pack"

set_up_editor_test
printf "$SHORT_LEVEL" >"$LEVELS/level1"
cp "$SOURCE_DIR"/data/packs/garden/level2* "$LEVELS/"
"$PACK_TOOL" make "$LEVELS/mine.headbot" --title Mine --author Me --unproven "$LEVELS/level1" "$LEVELS/level2" \
    >/dev/null || fail "cannot make the pack"
rm "$LEVELS/level1"
level2_before=$(sed -n '/^level level2$/,$p' "$LEVELS/mine.headbot")

# A level name that is none of the seven: one line, no window.
status=0
(cd "$GAME" && ./headbot-edit "$LEVELS/mine.headbot" level9 >/dev/null 2>"$SCRATCH/bad.err") || status=$?
[[ $status == 1 && $(wc -l <"$SCRATCH/bad.err") == 1 ]] || fail "level9 of a pack: $(cat "$SCRATCH/bad.err")"

EDITOR_OUT="$SCRATCH/editor.out"
(
    cd "$GAME"
    set +e
    timeout 60 ./headbot-edit "$LEVELS/mine.headbot" level1 >"$EDITOR_OUT" 2>"$SCRATCH/editor.err"
    echo $? >"$SCRATCH/editor.status"
) &
EDITOR_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^headbot-edit level1\$" | head -n1) ||
    fail "no editor window within 20 s: $(cat "$SCRATCH/editor.err")"
timeout 20 xdotool windowfocus --sync "$WINDOW" || fail "cannot focus the editor window"
wait_for_output "level1" 10

key F5
sleep 0.3
timeout 10 xdotool keydown Up
wait_for_output "WON in" 20
timeout 10 xdotool keyup Up
wait_for_output "mine.headbot: level1 stored, proven" 5
"$PACK_TOOL" check "$LEVELS/mine.headbot" >"$SCRATCH/check" 2>&1 || fail "after a won play: $(cat "$SCRATCH/check")"
grep -q "^level1: proven (" "$SCRATCH/check" || fail "level1 is not proven: $(cat "$SCRATCH/check")"

# one more ground tile, saved: the clear no longer proves it
key 1
click_cell 320 128
key ctrl+s
wait_for_output "mine.headbot: level1 stored, unproven until won and saved" 5
status=0
"$PACK_TOOL" check "$LEVELS/mine.headbot" >"$SCRATCH/check" 2>&1 || status=$?
[[ $status == 1 ]] || fail "a changed level still checks: $(cat "$SCRATCH/check")"
[[ $(sed -n 1p "$SCRATCH/check") == "level1: unproven" ]] || fail "after a change: $(cat "$SCRATCH/check")"
quit_editor
[[ $(sed -n '/^level level2$/,$p' "$LEVELS/mine.headbot") == "$level2_before" ]] || fail "level2 of the pack changed"
grep -q "^| A 320 128$" "$LEVELS/mine.headbot" || fail "the new tile is not in the pack"
echo ok
