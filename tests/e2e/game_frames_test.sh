#!/usr/bin/env bash
# What the player sees in play: on a level whose every position is known, the
# robot, the ball, the ground and the health bar each show their own picture
# where the world puts them; on a boss level, the boss.
source "$(dirname "$0")/game_support.sh"

# How many pixels of the screenshot's W x H box at (X, Y) differ from picture
# $1, whose mask colour shows as black on the screen. Colours come through
# 16 bits, so they match within a few steps.
box_differs() {  # picture x y w h [sx sy]: the picture's own box starts at (sx, sy)
    local sx=${6:-0} sy=${7:-0}
    convert "$GAME/$1" -crop "$4x$5+$sx+$sy" +repage -fill black -opaque '#ff00ff' "$SCRATCH/want.png"
    convert "$SCRATCH/shot.png" -crop "$4x$5+$2+$3" +repage "$SCRATCH/got.png"
    compare -metric AE -fuzz 6% "$SCRATCH/got.png" "$SCRATCH/want.png" null: 2>&1 || true
}

expect_box() {  # what picture x y w h [sx sy]
    local what=$1
    shift
    local differing
    differing=$(box_differs "$@")
    ((differing * 20 < $4 * $5)) || fail "$what: $differing of $(($4 * $5)) pixels differ from $1"
}

# Starts the game, leaves the title with a key and takes a screenshot of play.
play_and_look() {
    start_game 120
    find_window
    wait_for_picture title.bmp 60 GAMEOVER.bmp
    press Return
    wait_for_play 20
    sleep 1.5  # the level's card, over its first view, goes after a second
    screenshot || fail "no screenshot of $1"
}

quit_with_esc() {
    timeout 10 xdotool keydown Escape
    [[ "$(wait_for_exit 20)" == 0 ]] || fail "Esc did not end the game with status 0"
    timeout 10 xdotool keyup Escape 2>/dev/null || true
}

start_xvfb
copy_game

# A 640 by 480 level: nothing scrolls. The robot stands on the ground at
# (300, 407) and never moves; its ball rests 100 pixels above it.
{
    echo "s 640 480"
    echo "p 300 407"
    for x in $(seq 0 32 608); do echo "A $x 448"; done
    echo "! 0 0"
} >"$GAME/level1"
play_and_look "level 1"
expect_box "the robot, facing right" robot1.bmp 300 407 29 41
expect_box "the ball at rest above it" anti.bmp 300 307 31 32
expect_box "a ground tile" ground.bmp 448 448 32 32
read -r r g b < <(pixel 50 20; echo)
((g > 64 && r < 32)) || fail "the health bar at (50, 20) is $r $g $b, not green"
read -r r g b < <(pixel 50 35; echo)
((r + g + b == 0)) || fail "below the health bar (50, 35) is $r $g $b, not black"
quit_with_esc

# A boss level no wider than the boss: it turns at both sides at once and
# stays at x 0 or -2, held at y 10 by a row of breakable blocks.
{
    echo "s 280 480"
    echo "p 10 407"
    for x in $(seq 0 32 256); do echo "A $x 448"; echo "E $x 143"; done
    echo "! 0 0"
} >"$GAME/boss1"
printf m >"$GAME/saved"
play_and_look "the boss level"
best=999999
for sx in 0 2; do
    for sy in 0 2; do
        # the boss's body, away from the health bar: its box from (100, 30) on
        d=$(box_differs boss1.bmp $((100 - sx)) $((40 + sy)) 160 80 100 30)
        ((d < best)) && best=$d
    done
done
((best * 20 < 160 * 80)) || fail "the boss is not where the level holds it: $best pixels differ"
quit_with_esc
echo "ok"
