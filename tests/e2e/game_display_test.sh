#!/usr/bin/env bash
# The real game on today's desktops: the shipped config.txt opens a window
# enlarged by 2 on a 1920x1080 screen and by 4 on a 3840x2160 one, a config
# of four numbers the plain 640x480 window; the enlarged picture reduced by
# its factor is the plain picture pixel for pixel; P holds play still with
# Right held and lets it go on; Alt+Enter goes fullscreen and back with the
# game running; config.txt can ask for fullscreen from the start.
source "$(dirname "$0")/game_support.sh"

geometry() {
    timeout 10 xdotool getwindowgeometry "$WINDOW" | sed -n 's/^ *Geometry: *//p'
}

expect_geometry() {  # size what
    local deadline=$((SECONDS + 10)) now
    until [[ "$(geometry)" == "$1" ]]; do
        ((SECONDS < deadline)) || fail "$2: the window is $(geometry), not $1"
        sleep 0.2
    done
}

# Pixels that differ between two pictures.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Waits for the screen to hold still: two shots 0.3 s apart equal; the last
# lands in $1.
steady_shot() {
    local deadline=$((SECONDS + 20))
    screenshot
    cp "$SCRATCH/shot.png" "$1"
    while :; do
        sleep 0.3
        screenshot
        [[ $(differing "$SCRATCH/shot.png" "$1") == 0 ]] && return 0
        ((SECONDS < deadline)) || fail "the screen never held still"
        cp "$SCRATCH/shot.png" "$1"
    done
}

# Waits until the screen, reduced by the factor, is the plain title pixel for
# pixel: the enlarged picture is the game's own, only bigger.
expect_reduced_title() {  # factor
    local deadline=$((SECONDS + 30))
    until
        screenshot
        convert "$SCRATCH/shot.png" -sample "$((100 / $1))%" "$SCRATCH/reduced.png"
        [[ $(differing "$SCRATCH/reduced.png" "$SCRATCH/plain-title.png") == 0 ]]
    do
        ((SECONDS < deadline)) || fail "the title at $1x, reduced, differs from the plain one in" \
            "$(differing "$SCRATCH/reduced.png" "$SCRATCH/plain-title.png") pixels"
        sleep 0.3
    done
}

hold_alt_enter() {
    timeout 10 xdotool keydown alt
    press Return
    timeout 10 xdotool keyup alt
}

start_xvfb 1920x1080x24

# --- four numbers: the window the game always opened ------------------------
copy_game
echo "640 480 10 0" >"$GAME/config.txt"
start_game
find_window
expect_geometry 640x480 "config.txt of four numbers"
wait_for_picture title.bmp 30 GAMEOVER.bmp
steady_shot "$SCRATCH/plain-title.png"
end_with_esc

# --- the shipped config: enlarged by 2 ------------------------------------------
copy_game
[[ "$(cat "$GAME/config.txt")" == *" 0 0" ]] || fail "the shipped config.txt does not ask for a fitting window"
start_game
find_window
expect_geometry 1280x960 "the shipped config.txt on 1920x1080"
expect_reduced_title 2
# every game pixel is a 2 by 2 square: enlarging the reduced picture gives it back
convert "$SCRATCH/reduced.png" -sample 200% "$SCRATCH/again.png"
[[ $(differing "$SCRATCH/again.png" "$SCRATCH/shot.png") == 0 ]] || fail "the 2x title is not made of 2x2 squares"

# Play: the health bar at (5, 15) of the game's picture is at (10, 30).
press Return
deadline=$((SECONDS + 20))
until
    screenshot
    read -r r g b < <(pixel 10 30)
    ((g >= 64 && g > r + 32 && g > b + 32))
do
    ((SECONDS < deadline)) || fail "no play at 2x within 20 s (pixel 10,30: $(pixel 10 30))"
    sleep 0.2
done

# Pause with Right held: nothing moves for a second, then P again and it does.
timeout 10 xdotool keydown Right
sleep 0.3
press p
sleep 0.3
screenshot && cp "$SCRATCH/shot.png" "$SCRATCH/paused1.png"
sleep 1
screenshot && cp "$SCRATCH/shot.png" "$SCRATCH/paused2.png"
[[ $(differing "$SCRATCH/paused1.png" "$SCRATCH/paused2.png") == 0 ]] ||
    fail "play went on while paused with Right held"
press p
sleep 0.5
screenshot
[[ $(differing "$SCRATCH/shot.png" "$SCRATCH/paused2.png") -gt 1000 ]] || fail "P again did not resume play"
timeout 10 xdotool keyup Right

# Alt+Enter: fullscreen on the whole screen, the picture centred at 2x.
hold_alt_enter
expect_geometry 1920x1080 "fullscreen"
sleep 0.5
screenshot
read -r r g b < <(pixel 330 90) || true   # the health bar, 320 and 60 in
((g >= 64 && g > r + 32 && g > b + 32)) || fail "fullscreen does not show play centred (pixel 330,90: $(pixel 330 90))"
[[ "$(pixel 5 5)" == "0 0 0" && "$(pixel 1915 1075)" == "0 0 0" ]] || fail "fullscreen is not black around the picture"
hold_alt_enter
expect_geometry 1280x960 "back from fullscreen"
sleep 0.5
screenshot && cp "$SCRATCH/shot.png" "$SCRATCH/back.png"
timeout 10 xdotool keydown Left
sleep 0.5
timeout 10 xdotool keyup Left
screenshot
[[ $(differing "$SCRATCH/shot.png" "$SCRATCH/back.png") -gt 1000 ]] || fail "the game does not run after fullscreen and back"
[[ ! -s "$GAME/status" ]] || fail "the game ended after fullscreen and back"
end_with_esc

# --- a 4K screen: enlarged by 4 -------------------------------------------------
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
start_xvfb 3840x2160x24
copy_game
start_game
find_window
expect_geometry 2560x1920 "the shipped config.txt on 3840x2160"
expect_reduced_title 4
end_with_esc

# A sixth number 1 starts fullscreen, the picture at 4x in the middle.
copy_game
echo "640 480 10 0 0 1" >"$GAME/config.txt"
start_game
find_window
expect_geometry 3840x2160 "config.txt asking for fullscreen"
deadline=$((SECONDS + 30))
until
    screenshot
    convert "$SCRATCH/shot.png" -crop 2560x1920+640+120 +repage -sample 25% "$SCRATCH/reduced.png"
    [[ $(differing "$SCRATCH/reduced.png" "$SCRATCH/plain-title.png") == 0 ]]
do
    ((SECONDS < deadline)) || fail "fullscreen at start does not show the title centred at 4x"
    sleep 0.3
done
end_with_esc
echo "ok"
