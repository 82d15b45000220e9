#!/usr/bin/env bash
# headbot.exe under Wine on a virtual screen, as a Windows player meets it:
# it shows the title the Linux game shows, a key starts level 1 (its "saved"
# appears), Right held moves the picture, and Esc ends the game with status 0
# within seconds; Alt+Enter makes it a borderless window over the whole
# screen and back; where "saved" cannot be written the game plays all the
# same. Needs BUILD_DIR.
WINE_PREFIX_NAME=wine-desktop
source "$(dirname "$0")/windows_support.sh"
LINUX_GAME="$BUILD_DIR/game"
GAME_DIR="$WIN_GAME"
source "$(dirname "$0")/game_support.sh"

start_xvfb
# The X server resets when its last client leaves, as Wine's do a moment after
# the game: one that stays keeps the server up between the two games.
timeout 300 xdotool sleep 300 >/dev/null 2>&1 &
keeper=$!
trap 'kill "$keeper" 2>/dev/null; cleanup' EXIT
copy_game
# the game's own start, as game_support starts it: under Wine
printf '#!/bin/sh\nexec wine headbot.exe "$@"\n' >"$GAME/headbot"
chmod +x "$GAME/headbot"

begun=$SECONDS
start_game 120
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
echo "title after $((SECONDS - begun)) s"
title_pixels=$(differing_pixels "$LINUX_GAME/title.bmp")
((title_pixels < 640 * 480 / 100)) ||
    fail "the title differs from the Linux game's title picture in $title_pixels pixels"
[[ ! -e "$GAME/saved" ]] || fail "\"saved\" was written before a level started"

press Return
deadline=$((SECONDS + 20))
until [[ -e "$GAME/saved" ]]; do
    ((SECONDS < deadline)) || fail "no \"saved\" within 20 s of a key on the title"
    sleep 0.1
done
[[ ! -s "$GAME/saved" ]] || fail "\"saved\" should be empty for level 1: $(od -c "$GAME/saved")"
wait_for_play 20

screenshot
cp "$SCRATCH/shot.png" "$SCRATCH/before.png"
timeout 10 xdotool keydown Right
sleep 1.5
screenshot
timeout 10 xdotool keyup Right
moved=$(compare -metric AE "$SCRATCH/before.png" "$SCRATCH/shot.png" null: 2>&1 || true)
((moved > 1000)) || fail "Right held for 1.5 s changed only $moved pixels"

# Alt+Enter: a borderless window over the whole screen, and back.
alt_enter() {
    timeout 10 xdotool keydown alt
    sleep 0.1
    press Return
    timeout 10 xdotool keyup alt
}
expect_window() {  # expect_window "X,Y WxH" WHAT
    local deadline=$((SECONDS + 15)) now=""
    until [[ $now == "$1" ]]; do
        ((SECONDS < deadline)) || fail "$2: the window is at $now, not $1"
        sleep 0.2
        now=$(timeout 10 xdotool getwindowgeometry "$WINDOW" |
            awk '/Position/ { split($2, p, ","); at = p[1] "," p[2] } /Geometry/ { print at, $2 }')
    done
}
alt_enter
expect_window "0,0 1024x768" "fullscreen"
alt_enter
expect_window "192,144 640x480" "back in the window"
timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

esc_at=$SECONDS
end_with_esc
((SECONDS - esc_at <= 10)) || fail "Esc took $((SECONDS - esc_at)) s to end the game"

# Where progress cannot be written ("saved" a folder), the game plays all the same.
rm -f "$GAME/saved"
mkdir "$GAME/saved"
start_game 120
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
wait_for_play 20
end_with_esc
[[ -d "$GAME/saved" ]] || fail "\"saved\" should still be the folder"
[[ ! -e "$GAME/saved.new" ]] || fail "saved.new was left beside it"
echo ok
