#!/usr/bin/env bash
# The time trial with a gamepad alone: the second button opens it from the
# title, the first plays the chosen level and jumps, a win is kept as a best,
# and the second button goes back from the results and from the trial to
# the title. The joystick is read from a FIFO as in gamepad_test.sh.
source "$(dirname "$0")/game_support.sh"

HERE=$(cd "$(dirname "$0")" && pwd)
cc -shared -fPIC -O2 "$HERE/joystick_shim.c" -o "$SCRATCH/joystick_shim.so" -ldl ||
    fail "cannot build the joystick shim"

start_xvfb
copy_game
# level 1 won by jumping: the ball rests over the robot under an open sky
{
    echo "s 640 480 p 64 407"
    for x in $(seq 0 32 608); do echo "A $x 448"; done
    echo "!"
} >"$GAME/level1"
mkfifo "$SCRATCH/js0"
exec 9<>"$SCRATCH/js0"
printf '[joystick]\njoystick_device_0 = %s\n' "$SCRATCH/js0" >>"$GAME/allegro.cfg"

LD_PRELOAD="$SCRATCH/joystick_shim.so" start_game 180
find_window

# js_event: time (4 bytes), value (2), type (1 = button), number
button_down() { printf "\\x00\\x00\\x00\\x00\\x01\\x00\\x01\\x0$1" >&9; }
button_up() { printf "\\x00\\x00\\x00\\x00\\x00\\x00\\x01\\x0$1" >&9; }
press_button() {
    button_down "$1"
    sleep 0.2
    button_up "$1"
    sleep 0.3
}

wait_for_picture title.bmp 60 GAMEOVER.bmp
press_button 1
screenshot
(($(differing_pixels "$GAME/title.bmp") > 100000)) || fail "the second button did not open the time trial"

# the first button plays level 1, and held, jumps until the ball is out
button_down 0
deadline=$((SECONDS + 30))
until [[ -s "$GAME/best-times" ]]; do
    ((SECONDS < deadline)) || fail "no best kept: the first button did not play and jump"
    sleep 0.2
done
button_up 0
grep -q '^1 [0-9]* [0-9a-f]*$' "$GAME/best-times" || fail "best-times holds: $(cat "$GAME/best-times")"

press_button 1   # the results: back to the trial screen
press_button 1   # the trial screen: back to the title
wait_for_picture title.bmp 20 GAMEOVER.bmp
[[ ! -e "$GAME/saved" ]] || fail "a level of the normal game started"

# the first button on the title still starts the game
press_button 0
deadline=$((SECONDS + 20))
until [[ -f "$GAME/saved" ]]; do
    ((SECONDS < deadline)) || fail "the first button on the title did not start the game"
    sleep 0.1
done
end_with_esc
echo "ok"
