#!/usr/bin/env bash
# A saved progress letter picks the first level, and the window's close
# button ends the game like Esc.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
printf a >"$GAME/saved"
start_game 180
find_window

wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
wait_for_play 20
[[ "$(od -An -c "$GAME/saved" | tr -d ' ')" == "a" ]] ||
    fail "\"saved\" should hold exactly a after level 2 started: $(od -c "$GAME/saved")"

"$BUILD_DIR/close_window" "$WINDOW" || fail "could not send the close message"
status=$(wait_for_exit 20)
[[ "$status" == 0 ]] || fail "exit status $status after the close button, not 0"
echo "ok"
