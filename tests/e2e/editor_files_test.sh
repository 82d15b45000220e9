#!/bin/bash
# headbot-edit on bad level files: a missing one opens as a new level, a
# malformed one says where reading stopped, and one that cannot be written
# keeps the old file whole and the edits in the editor.
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"

set_up_editor_test
printf 's 640 240\np 64 167\nA 0 208\nA 32 208\n! 0 0\n' >"$LEVELS/mine"

# a missing file
start_editor "$LEVELS/new"
wait_for_output "new is new" 5
key ctrl+s
wait_for_output "saved new" 5
quit_editor
printf 's 6000 1000\np 100 900\n! 0 0\n' | diff - "$LEVELS/new" || fail "a new level is not the default one"

printf 'A 0 208\nA x 208\nA 64 208\n' >"$LEVELS/broken"
start_editor "$LEVELS/broken"
wait_for_output "stopped at line 2" 5
key ctrl+s
wait_for_output "saved broken" 5
quit_editor
printf 'A 0 208\n! 0 0\n' | diff - "$LEVELS/broken" || fail "a malformed file did not keep what could be read"

# random bytes: the editor opens them, plays them and ends as usual
head -c 200000 /dev/urandom >"$LEVELS/noise"
start_editor "$LEVELS/noise"
key 1; click_cell 32 32
click_cell 32 32 3
key ctrl+z F5
sleep 0.3
key Escape
sleep 0.3
quit_editor

# a folder the editor may not write in: the old file stays whole, the edits
# stay in the editor (root writes anywhere, so the editor runs as nobody)
mkdir "$SCRATCH/locked"
cp "$LEVELS/mine" "$SCRATCH/locked/mine"
chmod 555 "$SCRATCH/locked"
chmod 644 "$SCRATCH/locked/mine"
if ((EUID == 0)); then
    chmod 755 "$SCRATCH"
    EDITOR_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
start_editor "$SCRATCH/locked/mine"
key 1; click_cell 0 0
key ctrl+s
wait_for_output "NOT SAVED" 5
quit_editor
EDITOR_AS=()
cmp -s "$LEVELS/mine" "$SCRATCH/locked/mine" || fail "a failed save touched the level file"
grep -q "mine: not saved" "$EDITOR_OUT" || fail "the editor did not keep its unsaved edits"
[[ $(ls "$SCRATCH/locked") == mine ]] || fail "a failed save left a file behind: $(ls "$SCRATCH/locked")"
grep -E 'runtime error|Sanitizer' "$SCRATCH/editor.err" && fail "the sanitizers reported"
echo "editor files: all checks passed"
