#!/usr/bin/env bash
# The title, the game-over screen, the first level and a normal end, driven
# with the keyboard as a player would.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
start_game 180
find_window

wait_for_picture title.bmp 60 GAMEOVER.bmp

# Esc on the title, still held when the levels would begin: no level starts,
# the game-over screen waits for a key.
timeout 10 xdotool keydown Escape
wait_for_picture GAMEOVER.bmp 20 title.bmp
timeout 10 xdotool keyup Escape
[[ ! -e "$GAME/saved" ]] || fail "a level started although Esc was held"

# A key on the game-over screen leads back to the title ...
press Return
wait_for_picture title.bmp 20 GAMEOVER.bmp

# ... and a key there starts level 1, which empties "saved".
press Return
wait_for_play 20
[[ -f "$GAME/saved" ]] || fail "level 1 started without writing \"saved\""
[[ ! -s "$GAME/saved" ]] || fail "\"saved\" is not empty after level 1 started: $(od -c "$GAME/saved")"

# Esc during play: the game-over screen takes the buffered Esc, and with Esc
# still held the game ends normally.
timeout 10 xdotool keydown Escape
status=$(wait_for_exit 20)
timeout 10 xdotool keyup Escape 2>/dev/null || true
[[ "$status" == 0 ]] || fail "exit status $status after Esc, not 0"
echo "ok"
