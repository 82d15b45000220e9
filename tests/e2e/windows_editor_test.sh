#!/usr/bin/env bash
# headbot-edit.exe under Wine opens a shipped level, Ctrl+S saves it over the
# old file (Windows cannot rename onto an existing file: the editor must
# replace it), and the saved level plays frame for frame as the original
# under the Linux headbot-sim. Needs BUILD_DIR, SIM and SOURCE_DIR.
WINE_PREFIX_NAME=wine-desktop
source "$(dirname "$0")/windows_support.sh"
GAME_DIR="$WIN_GAME"
source "$(dirname "$0")/game_support.sh"
source "$(dirname "$0")/editor_support.sh"
: "${SIM:?set SIM to the Linux headbot-sim}"

set_up_editor_test
printf '#!/bin/sh\nexec wine headbot-edit.exe "$@"\n' >"$GAME/headbot-edit"
chmod +x "$GAME/headbot-edit"
cp "$SOURCE_DIR/data/levels/level3" "$LEVELS/level3"
cp "$LEVELS/level3" "$SCRATCH/original"
echo "old text" >"$LEVELS/level3.new"  # a stale one from a crash is simply replaced

start_editor "$LEVELS/level3"
# Wine's keyboard may come a moment after the window's focus: press again
for _ in 1 2 3 4 5 6 7 8 9 10; do
    key ctrl+s
    sleep 1
    grep -q "saved level3" "$EDITOR_OUT" && break
done
wait_for_output "saved level3" 5
quit_editor
[[ ! -e "$LEVELS/level3.new" ]] || fail "level3.new was left beside the saved level"
grep -q "NOT SAVED" "$EDITOR_OUT" && fail "the editor said: $(cat "$EDITOR_OUT")"

plays() {  # plays LEVEL_FILE: the Linux trace of level 3 on it, by its solution
    rm -rf "$SCRATCH/sim"
    mkdir -p "$SCRATCH/sim"
    cp "$1" "$SCRATCH/sim/level3"
    echo "640 480 0 0" >"$SCRATCH/sim/config.txt"
    "$SIM" -C "$SCRATCH/sim" --level 3 --frames 30000 --trace --input "$SOURCE_DIR/data/solutions/level3.keys"
}
plays "$SCRATCH/original" >"$SCRATCH/original.trace"
plays "$LEVELS/level3" >"$SCRATCH/saved.trace"
[[ $(tail -n 1 "$SCRATCH/original.trace") == "result: won"* ]] || fail "the original level3 is not won by its solution"
cmp -s "$SCRATCH/original.trace" "$SCRATCH/saved.trace" ||
    fail "the saved level3 plays differently: $(cmp "$SCRATCH/original.trace" "$SCRATCH/saved.trace")"
echo ok
