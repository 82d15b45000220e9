#!/usr/bin/env bash
# A config.txt with a number that cannot be read, and a folder where "saved"
# cannot be written: the game says so in one line each on standard error and
# starts as it would without the line.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
echo "640 480 ten 0" >"$GAME/config.txt"
mkdir "$GAME/saved"
start_game 120
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
grep -v '^ALSA lib' "$GAME/stderr" >"$SCRATCH/said" || true
[[ $(grep -c '^headbot: ' "$SCRATCH/said") == 2 ]] || fail "expected two lines, got: $(cat "$SCRATCH/said")"
grep -q '^headbot: config.txt: the third number (rest per frame) cannot be read ("ten")' "$SCRATCH/said" ||
    fail "no line naming config.txt's third number: $(cat "$SCRATCH/said")"
grep -q '^headbot: cannot write "saved" in this folder' "$SCRATCH/said" ||
    fail "no line about \"saved\": $(cat "$SCRATCH/said")"
press Return
wait_for_play 20
end_with_esc
echo "ok"
