#!/usr/bin/env bash
# The game played with a gamepad alone: its button leaves the title and the
# game-over screens, its stick walks. The machine has no joystick, so the
# game reads one from a FIFO named in allegro.cfg, with a preloaded shim
# answering the library's joystick queries; the test presses the button and
# pushes the stick by writing joystick events.
source "$(dirname "$0")/game_support.sh"

HERE=$(cd "$(dirname "$0")" && pwd)
cc -shared -fPIC -O2 "$HERE/joystick_shim.c" -o "$SCRATCH/joystick_shim.so" -ldl ||
    fail "cannot build the joystick shim"

start_xvfb
copy_game
# Level 1 is a robot standing among four spiders: the game is over 26 frames
# after it starts, whatever is held. Level 2 is a box of fixed blocks that
# the ball can leave neither way, with four spiders 270 pixels to the right
# of the robot: it is safe there until it walks.
printf 's 640 480\np 100 200\nA 68 241\nA 100 241\nA 132 241\nD 100 210\nD 100 210\nD 100 210\nD 100 210\n! 0 0\n' \
    >"$GAME/level1"
{
    printf 's 1280 480\np 100 200\n'
    for x in $(seq 0 32 1248); do printf 'U %d 0\nU %d 241\n' "$x" "$x"; done
    printf 'D 400 210\nD 400 210\nD 400 210\nD 400 210\n! 0 0\n'
} >"$GAME/level2"
mkfifo "$SCRATCH/js0"
exec 9<>"$SCRATCH/js0"  # held open both ways: the game never sees the pad unplugged
printf '[joystick]\njoystick_device_0 = %s\n' "$SCRATCH/js0" >>"$GAME/allegro.cfg"

LD_PRELOAD="$SCRATCH/joystick_shim.so" start_game 180
find_window

# js_event records: time (4 bytes), value (2), type (1 = button, 2 = axis),
# number (of the button or axis). Time is never read; button and axis are 0.
button() { printf "\\x00\\x00\\x00\\x00\\x0$1\\x00\\x01\\x00" >&9; }
# The first stick pushed fully right, and let go.
stick_right() { printf '\x00\x00\x00\x00\xff\x7f\x02\x00' >&9; }
stick_centre() { printf '\x00\x00\x00\x00\x00\x00\x02\x00' >&9; }

# True when the screen shows picture $1 (not $3) at each of $2 looks a
# quarter of a second apart: the screen waits.
stays() {
    local look
    for ((look = 0; look < $2; look++)); do
        sleep 0.25
        showing "$1" "$3" || return 1
    done
}

# Waits up to $1 seconds for a level to start, as "saved" shows.
wait_for_level_start() {
    local deadline=$((SECONDS + $1))
    until [[ -f "$GAME/saved" ]]; do
        ((SECONDS < deadline)) || fail "$2"
        sleep 0.1
    done
}

wait_for_picture title.bmp 60 GAMEOVER.bmp
stays title.bmp 2 GAMEOVER.bmp || fail "the title did not wait"

# A button press leaves the title; held through play, the jump that the
# level ended with does not leave the game-over screen ...
button 1
wait_for_level_start 20 "a press of the button on the title did not start level 1"
wait_for_picture GAMEOVER.bmp 20 title.bmp
stays GAMEOVER.bmp 2 title.bmp || fail "a button held from play left the game-over screen"
# ... nor does its release ...
button 0
stays GAMEOVER.bmp 2 title.bmp || fail "releasing the button left the game-over screen"
# ... but a new press does, and held on, it does not leave the title too.
button 1
wait_for_picture title.bmp 20 GAMEOVER.bmp
stays title.bmp 2 GAMEOVER.bmp || fail "a button held from the game-over screen left the title"
button 0
sleep 0.2
# A quick tap starts a level too, here level 2. The robot is safe there
# until the stick walks it into the spiders.
printf a >"$GAME/saved"
button 1
sleep 0.1
button 0
wait_for_play 20
for _ in 1 2 3 4; do
    sleep 0.25
    showing_play || fail "level 2 ended with the stick at rest"
done
stick_right
wait_for_picture GAMEOVER.bmp 20 title.bmp
stick_centre
[[ "$(cat "$GAME/saved")" == a ]] || fail "the tap did not start level 2 (\"saved\" holds $(cat "$GAME/saved"))"

# The keyboard still works beside the pad, and Esc still ends the game.
end_with_esc

# A joystick the library cannot read (the same FIFO, without the shim to
# answer for it): the keyboard alone leads from the title into play.
rm -f "$GAME/saved"
start_game 60
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
button 1
stays title.bmp 2 GAMEOVER.bmp || fail "an unreadable joystick left the title"
press Return
wait_for_level_start 20 "a key did not start a level beside an unreadable joystick"
end_with_esc
echo "ok"
