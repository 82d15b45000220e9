#!/usr/bin/env bash
# A death shows the game-over screen until a key pressed after it appeared:
# arrows hammered during play and a key still held do not leave it, and the
# title after it waits for a fresh press too.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
# the robot walks left into six spiders: about six seconds of play, the
# jumps over long before it gets there (a jump onto them would stomp them)
{
    printf 's 1280 480\np 1200 398\n'
    for x in $(seq 0 32 1248); do echo "A $x 439"; done
    for _ in 1 2 3 4 5 6; do echo "D 0 400"; done
    echo '! 0 0'
} >"$GAME/level1"
start_game 180
find_window

wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
# hold Left and hammer Up while the robot dies: every press lands in the
# keyboard buffer, and Left is still down when the game-over screen appears
timeout 10 xdotool keydown Left
for _ in 1 2 3 4 5 6; do press Up; sleep 0.05; done
# Picture $1 (not $2) comes, stays while key $3 is held and once it is let
# go; $4 names what is held.
stays_through_release() {
    wait_for_picture "$1" 30 "$2"
    sleep 1.5
    showing "$1" "$2" || fail "$1 went without a fresh key ($4)"
    timeout 10 xdotool keyup "$3"
    sleep 0.5
    showing "$1" "$2" || fail "letting go of $3 left $1"
}
stays_through_release GAMEOVER.bmp title.bmp Left "Left held, Up buffered"

# a fresh Return, held: the title comes and stays while it is down ...
timeout 10 xdotool keydown Return
stays_through_release title.bmp GAMEOVER.bmp Return "the Return that left the game-over screen"
# ... and a new press starts play
press Return
wait_for_play 20
end_with_esc
echo "ok"
