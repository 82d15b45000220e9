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
wait_for_picture GAMEOVER.bmp 30 title.bmp
sleep 1.5
showing GAMEOVER.bmp title.bmp || fail "the game-over screen went without a fresh key (held Left, buffered Up)"
timeout 10 xdotool keyup Left
sleep 0.5
showing GAMEOVER.bmp title.bmp || fail "releasing a key left the game-over screen"

# a fresh Return, held: the title comes and stays while it is down ...
timeout 10 xdotool keydown Return
wait_for_picture title.bmp 20 GAMEOVER.bmp
sleep 1
showing title.bmp GAMEOVER.bmp || fail "the title went with the key that left the game-over screen"
timeout 10 xdotool keyup Return
sleep 0.3
showing title.bmp GAMEOVER.bmp || fail "releasing Return left the title"
# ... and a new press starts play
press Return
wait_for_play 20
end_with_esc
echo "ok"
