#!/usr/bin/env bash
# The health bar's frame and the lost ball's cue: drawn over the picture
# beside the bar, the cue for about a second after the ball drops out.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
# one header under a closed roof: the ball comes down beyond the ground and
# is lost about five seconds in
{
    printf 's 640 480\np 64 398\n'
    for x in 0 32 64 96 128; do echo "A $x 439"; done
    for x in $(seq 0 32 608); do echo "U $x 150"; done
    echo '! 0 0'
} >"$GAME/level1"
start_game 120
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
wait_for_play 10

# the frame: light grey just right of the full bar, dark beyond it
screenshot
read -r r g b < <(pixel 100 20) || true  # no line end after the numbers
((r > 200 && g > 200 && b > 200)) || fail "no light frame line at the bar's right end (100,20): $r $g $b"
read -r r g b < <(pixel 101 20) || true  # no line end after the numbers
((r < 40 && g < 40 && b < 40)) || fail "no dark frame line beyond it (101,20): $r $g $b"
read -r r g b < <(pixel 50 9) || true  # no line end after the numbers
((r > 200 && g > 200 && b > 200)) || fail "no frame line over the bar (50,9): $r $g $b"

timeout 10 xdotool keydown Up
sleep 0.4
timeout 10 xdotool keyup Up
# the cue's box is framed in its red letters' colour, its corner at (108, 12)
cue_shown() {
    screenshot || return 1
    local r g b
    read -r r g b < <(pixel 108 12)
    ((r > 200 && g > 64 && g < 128 && b > 48 && b < 112))
}
deadline=$((SECONDS + 20))
until cue_shown; do
    ((SECONDS < deadline)) || fail "no cue beside the bar after the ball was lost (108,12: $(pixel 108 12))"
    sleep 0.1
done
sleep 2
cue_shown && fail "the cue stayed more than two seconds"
end_with_esc
echo "ok"
