#!/usr/bin/env bash
# The cards: the level's number and name before it, "LEVEL N CLEAR" after a
# win, each about a second and gone at a key, which the level then starts
# with. A card is told by where its box's top-left corner lies: the boxes
# are centred and as wide as their longest line. (That a key ends a card
# at once, and a held one does not, the fresh-press unit tests show.)
source "$(dirname "$0")/game_support.sh"

start_xvfb
copy_game
# level 1 is won in its first frame: the ball starts above the top
printf 's 640 480\np 100 60\nA 96 101\n! 0 0\nname Quick win\n' >"$GAME/level1"
export HEADBOT_RECORD="$SCRATCH/play.keys"
start_game 180
find_window

# True when shot $1 has the card frame's light grey at x,y.
frame_grey_at() {
    local r g b
    read -r r g b < <(convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:)
    ((r > 180 && r < 225 && g > 180 && g < 225 && b > 190 && b < 235))
}

# A card's box has its top-left corner at x = $2 in shot $1: its frame there
# (at a third of the screen's height, 160) and not left of it.
card_in() { frame_grey_at "$1" "$2" 160 && ! frame_grey_at "$1" $(($2 - 1)) 160; }

# The cards last a second each: screenshots are taken all the while, in the
# background, and looked at afterwards.
shots="$SCRATCH/shots"
mkdir -p "$shots"
capture() {
    local n=0
    while [[ ! -e "$SCRATCH/stop-shots" ]]; do
        n=$((n + 1))
        timeout 20 import -window "$WINDOW" "$shots/$(printf %04d $n).png" 2>/dev/null || true
    done
}

wait_for_picture title.bmp 60 GAMEOVER.bmp
capture &
capture_pid=$!
# Return starts level 1: its card (a second), the one frame that wins it,
# the clear card (a second), then level 2's card, which Right ends: pressed
# halfway through it, well clear of either end.
started=$(date +%s%N)
press Return
sleep "$(awk -v s="$started" -v now="$(date +%s%N)" 'BEGIN { w = 2.5 - (now - s) / 1e9; print (w > 0 ? w : 0) }')"
timeout 10 xdotool keydown Right
wait_for_play 10
sleep 0.5
timeout 10 xdotool keyup Right
touch "$SCRATCH/stop-shots"
wait "$capture_pid"

seen() {
    local shot
    for shot in "$shots"/*.png; do card_in "$shot" "$1" && return 0; done
    return 1
}
# "LEVEL 1" at three times the font over "Quick win" at twice: 176 wide
seen 232 || fail "no \"LEVEL 1\" card with the level's name"
# "LEVEL 1 CLEAR" at three times: 320 wide
seen 160 || fail "no \"LEVEL 1 CLEAR\" card"
end_with_esc

# The key that ended the card was the level's: its first frame holds Right.
first=$(awk '/^# level 2/ {found = 1; next} found && !/^#/ {print; exit}' "$HEADBOT_RECORD")
[[ "$first" == *R* ]] || fail "level 2's first frame did not hold Right: \"$first\""

# The last level won: the ending, with the run's time, stays until a key;
# then play goes on with level 2. "TIME 0:00.01" at three times the font is
# its widest line: 288 wide.
copy_game
printf g >"$GAME/saved"
printf 's 640 480\np 100 60\nA 96 101\n! 0 0\n' >"$GAME/boss2"
unset HEADBOT_RECORD
start_game 120
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
press Return
deadline=$((SECONDS + 20))
until screenshot && card_in "$SCRATCH/shot.png" 172; do
    ((SECONDS < deadline)) || fail "no ending after the last level"
    sleep 0.2
done
sleep 1
screenshot
card_in "$SCRATCH/shot.png" 172 || fail "the ending went by itself within a second"
press Return
wait_for_play 10
[[ "$(cat "$GAME/saved")" == a ]] || fail "play did not go on with level 2 after the ending"
end_with_esc
echo "ok"
