#!/usr/bin/env bash
# The real game on hostile files: "saved" is a directory (nothing can be
# written), "config.txt" asks for a negative rest and frame skip, and the
# level files are binary garbage, 100,000 records, numbers at the 32-bit
# limits, a file without "!" and a directory. Levels 1 to 6 are each won in
# their first frame (the robot's start puts the ball above the level), and
# level 7 is lost in its second frame, so one key press runs through all of them to the
# game-over screen. Then the next game starts on level 7 again, and Esc ends
# the game with status 0.
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
rm -f "$GAME/saved"
mkdir "$GAME/saved"
printf '640 480 -5 -3\n' > "$GAME/config.txt"
{ echo "p 100 50"; head -c 200000 "$GAME/headbot"; } > "$GAME/level1"
awk 'BEGIN { for (i = 0; i < 100000; i++) print "A", i % 2000, 900; print "p 100 50 !" }' \
    > "$GAME/level2"
printf 'D 2147483647 -2147483648\nE -2147483648 2147483647\np 100 50\nA 2147483648 1\n!\n' \
    > "$GAME/level3"
printf 'p 100 50 A 1 2 G 3' > "$GAME/boss1"
rm -f "$GAME/level5"
mkdir "$GAME/level5"
head -c 100000 "$GAME/headbot" | tail -c 50000 > "$GAME/level6"
# a hundred spiders on the robot's start take all its health in one frame
awk 'BEGIN { print "s 2000 1000 p 100 500"; for (i = 0; i < 100; i++) print "D 100 500"; print "!" }' \
    > "$GAME/boss2"

if [[ -x "${SIM:-}" ]]; then
    mkdir "$SCRATCH/sim"
    cp -r "$GAME"/level* "$GAME"/boss* "$GAME/config.txt" "$SCRATCH/sim/"
    mkdir "$SCRATCH/sim/saved"
    result=$("$SIM" -C "$SCRATCH/sim" --levels 100 | tail -n 1)
    [[ $result == "result: over frames="*" level=7" ]] ||
        fail "the levels should be won up to level 7 and lost there: $result"
fi

start_game 180
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
wait_for_picture GAMEOVER.bmp 60 title.bmp
press Return
wait_for_picture title.bmp 30 GAMEOVER.bmp
press Return
wait_for_picture GAMEOVER.bmp 60 title.bmp
[[ -d "$GAME/saved" ]] || fail "\"saved\" should still be the directory"

end_with_esc
echo ok
