#!/usr/bin/env bash
# The real game under Xvfb, hammered with random key presses for a bounded
# time (HEADBOT_MONKEY_SECONDS; by default 150 s in a sanitizer build, 30 s
# otherwise), on levels made to end fast: some are won in their first frame,
# the others are won by one jump under the ball and lost by walking right
# into a row of spiders. So play keeps crossing level changes, deaths, game
# overs and new games. The game must stay up all along; Esc then ends it
# with status 0.
source "$(dirname "$0")/game_support.sh"

seconds=${HEADBOT_MONKEY_SECONDS:-}
if [[ -z $seconds ]]; then
    seconds=30
    grep -q '^HEADBOT_SANITIZE:BOOL=ON' "$BUILD_DIR/CMakeCache.txt" 2>/dev/null && seconds=150
fi

start_xvfb
copy_game
printf '640 480 0 0\n' > "$GAME/config.txt"
# won in the first frame: the ball starts above the top of the level
for name in level3 boss1 level5 boss2; do echo "p 100 50 !" > "$GAME/$name"; done
# won by heading the ball (it waits 100 pixels above the robot), lost by
# walking right through five spiders
for name in level1 level2 level6; do
    {
        echo "s 2000 400"
        echo "p 100 300"
        for ((x = 0; x < 2000; x += 32)); do echo "A $x 341"; done
        for x in 250 320 390 460 530; do echo "D $x 310"; done
        echo "!"
    } > "$GAME/$name"
done

# The levels do what they are for, checked in the simulator first.
if [[ -x "${SIM:-}" ]]; then
    mkdir "$SCRATCH/sim"
    cp "$GAME"/level* "$GAME"/boss* "$GAME/config.txt" "$SCRATCH/sim/"
    result=$("$SIM" -C "$SCRATCH/sim" --level 2 --input <(echo "400 R") | tail -n 1)
    [[ $result == "result: over "* ]] || fail "walking right should end the game: $result"
    result=$("$SIM" -C "$SCRATCH/sim" --level 2 --levels 2 --input <(echo "60 U") | tail -n 1)
    [[ $result == "result: won frames="*" level=4" ]] || fail "one jump should win level 2: $result"
fi

start_game $((seconds + 120))
find_window

# (letter, modification time) of "saved", sampled as the monkey plays: a new
# time with a new letter is a level change; with the same letter, a new game
# after a game over, since every won level moves to another letter here.
last_seen=""
level_changes=0
restarts=0
look_at_saved() {
    local now letter
    now=$(stat -c '%.9Y' "$GAME/saved" 2>/dev/null) || return 0
    letter=$(head -c 1 "$GAME/saved" 2>/dev/null | od -An -c | tr -d ' ')
    [[ -z $letter ]] && letter=1
    if [[ -n $last_seen && "$letter $now" != "$last_seen" ]]; then
        if [[ $letter == "${last_seen%% *}" ]]; then
            restarts=$((restarts + 1))
        else
            level_changes=$((level_changes + 1))
        fi
    fi
    last_seen="$letter $now"
}

RANDOM=4242
keys=(Up Up Right Right Left Return space a)
presses=0
deadline=$((SECONDS + seconds))
while ((SECONDS < deadline)); do
    [[ -s "$GAME/status" ]] && fail "the game ended by itself after $presses presses (status $(cat "$GAME/status"))"
    key=${keys[RANDOM % ${#keys[@]}]}
    # now and then two keys at once, as a player jumps while walking
    second=""
    ((RANDOM % 4 == 0)) && second=${keys[RANDOM % 3]}
    timeout 10 xdotool keydown $key $second || fail "xdotool could not press $key"
    sleep "0.$((RANDOM % 4))$((RANDOM % 10))"
    timeout 10 xdotool keyup $key $second || fail "xdotool could not release $key"
    presses=$((presses + 1))
    look_at_saved
done
echo "monkey: $presses presses in $seconds s; seen $level_changes level changes and $restarts new games after a game over"

end_with_esc
# the play has to have crossed what it is here for; only a long run is sure to
if ((seconds >= 60)); then
    ((level_changes > 0)) || fail "no level change seen in $seconds s"
    ((restarts > 0)) || fail "no game over seen in $seconds s"
fi
echo ok
