#!/usr/bin/env bash
# The game refuses to start, with its own exit status and a message where one
# helps, when it has no display, a picture is missing or the screen size in
# config.txt is absurd.
source "$(dirname "$0")/game_support.sh"

# the exit status of a run that must end by itself within 60 s
run_to_end() {
    start_game 60
    wait_for_exit 70
}

copy_game

# No X server: status 1, as for a refused display mode.
status=$(unset DISPLAY; run_to_end)
[[ "$status" == 1 ]] || fail "exit status $status without DISPLAY, not 1"
# A display no server answers at: the test servers take the lowest free
# numbers, so a high one without a lock file stays free.
unused=$((5000 + RANDOM % 1000))
while [[ -e /tmp/.X$unused-lock || -e /tmp/.X11-unix/X$unused ]]; do unused=$((unused + 1)); done
status=$(export DISPLAY=:$unused; run_to_end)
[[ "$status" == 1 ]] || fail "exit status $status with no server at :$unused, not 1"

start_xvfb

# A missing picture is named, and the status is not the display's 1.
rm "$GAME/anti.bmp"
status=$(run_to_end)
[[ "$status" != 0 && "$status" != 1 && "$status" != 124 ]] ||
    fail "exit status $status without anti.bmp"
grep -q 'anti\.bmp' "$GAME/stderr" || fail "no message naming anti.bmp"

# Screen sizes no display can take: a zero width, and one far too large,
# which must be refused at once rather than after X has tried for seconds.
copy_game
for size in "0 480" "20000 20000"; do
    echo "$size 10 0" >"$GAME/config.txt"
    started=$SECONDS
    status=$(run_to_end)
    [[ "$status" != 0 && "$status" != 1 && "$status" != 124 ]] ||
        fail "exit status $status with the screen size $size"
    grep -q "${size/ / by } " "$GAME/stderr" || fail "no message naming the screen size $size"
    ((SECONDS - started < 5)) || fail "refusing the screen size $size took $((SECONDS - started)) s"
done
echo "ok"
