# Helpers for the tests that run the real game under an X server of their own.
# Source it; it expects GAME_DIR and BUILD_DIR from ctest. Every wait is
# bounded, and the server, the game and the scratch folder go away on exit.

set -euo pipefail

: "${GAME_DIR:?GAME_DIR must name the built game folder}"
: "${BUILD_DIR:?BUILD_DIR must name the build folder}"

SCRATCH=$(mktemp -d /tmp/headbot-e2e-XXXXXX)
XVFB_PID=""
GAME_PID=""
GAME=""        # the game's folder: a private copy of GAME_DIR
WINDOW=""

cleanup() {
    if [[ -n "$GAME_PID" ]]; then kill "$GAME_PID" 2>/dev/null || true; fi
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "$GAME" && -f "$GAME/stderr" ]]; then
        echo "--- game stderr:" >&2
        grep -v '^ALSA lib' "$GAME/stderr" >&2 || true
    fi
    exit 1
}

# Starts Xvfb on a display number it picks itself, with a screen of $1
# (default 1024x768x24), and exports DISPLAY. Key repeat is off: a key held
# while the test waits must stay one press, or a repeated Esc would end the
# game behind the test's back.
start_xvfb() {
    local fd_file
    fd_file=$(mktemp "$SCRATCH/display-XXXXXX")
    Xvfb -displayfd 7 -screen 0 "${1:-1024x768x24}" -nolisten tcp \
        -ardelay 3600000 -arinterval 3600000 7>"$fd_file" \
        >"$SCRATCH/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local deadline=$((SECONDS + 30))
    until grep -q '^[0-9]' "$fd_file"; do
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$SCRATCH/xvfb.log")"
        ((SECONDS < deadline)) || fail "Xvfb did not report a display in 30 s"
        sleep 0.1
    done
    local number
    number=$(head -n1 "$fd_file")
    [[ "$number" =~ ^[0-9]+$ ]] || fail "Xvfb reported the display \"$number\""
    export DISPLAY=":$number"
    timeout 30 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done' ||
        fail "the X server at $DISPLAY does not answer"
}

# A private copy of the game, so that "saved" lands there and tests can run
# side by side.
copy_game() {
    local picture
    for picture in title.bmp GAMEOVER.bmp robot1.bmp robot.bmp ground.bmp doubleblock.bmp \
        block2.bmp block.bmp mushroom.bmp anti.bmp spider.bmp boss1.bmp; do
        [[ -f "$GAME_DIR/$picture" ]] || fail "$GAME_DIR has no $picture: the pictures were not built"
    done
    GAME="$SCRATCH/game"
    rm -rf "$GAME"
    cp -r "$GAME_DIR" "$GAME"
    rm -f "$GAME/saved"
}

# Runs the game in its folder, at most $1 seconds (default 120); its exit
# status lands in $GAME/status.
start_game() {
    local limit=${1:-120}
    rm -f "$GAME/status"
    (
        cd "$GAME"
        set +e
        timeout "$limit" ./headbot >stdout 2>stderr
        echo $? >status
    ) &
    GAME_PID=$!
}

# Waits up to $1 seconds for the game to end and prints its exit status.
wait_for_exit() {
    local deadline=$((SECONDS + $1))
    while [[ ! -s "$GAME/status" ]]; do
        ((SECONDS < deadline)) || fail "the game did not end within $1 s"
        sleep 0.1
    done
    GAME_PID=""
    cat "$GAME/status"
}

# Finds the game's window once it is on the screen and gives it the keyboard
# (there is no window manager to do that). The window exists, unmapped, a
# moment before the display mode is set: until then focusing it fails.
find_window() {
    WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name '^Headbot$' | head -n1) ||
        fail "no Headbot window within 30 s"
    [[ -n "$WINDOW" ]] || fail "no Headbot window"
    local deadline=$((SECONDS + 20))
    until timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "cannot focus the window"
        sleep 0.2
    done
}

# A key held long enough for a polling loop to see it, then released.
press() {
    timeout 10 xdotool keydown "$1"
    sleep 0.1
    timeout 10 xdotool keyup "$1"
}

# The window's picture now, as $SCRATCH/shot.png.
screenshot() {
    timeout 20 import -window "$WINDOW" "$SCRATCH/shot.png" 2>/dev/null
}

# "R G B" of a pixel of the last screenshot.
pixel() {
    convert "$SCRATCH/shot.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}

# How many of the top-left 640 by 480 pixels of the last screenshot differ
# from an image file. The game shows the title and game-over pictures at
# 640 by 480 in 16-bit colour, so colours match only within a few steps.
differing_pixels() {
    local reference="$SCRATCH/reference.png"
    convert "$1" -background black -extent 640x480 "$reference"
    convert "$SCRATCH/shot.png" -crop 640x480+0+0 +repage "$SCRATCH/shot640.png"
    compare -metric AE -fuzz 6% "$SCRATCH/shot640.png" "$reference" null: 2>&1 || true
}

# True when the screen shows the picture in $GAME/$1 rather than the one in
# $GAME/$2: nearly every pixel as in the first, and closer to it than to the
# second.
showing() {
    screenshot || return 1
    local near far
    near=$(differing_pixels "$GAME/$1")
    far=$(differing_pixels "$GAME/$2")
    ((near < 640 * 480 / 100 && near < far))
}

# Waits up to $2 seconds for the screen to show picture $1 (not picture $3).
wait_for_picture() {
    local deadline=$((SECONDS + $2))
    until showing "$1" "$3"; do
        ((SECONDS < deadline)) || fail "the screen did not show $1 within $2 s"
        sleep 0.2
    done
}

# True when the screen shows a drawn frame: not the title, and the health
# bar's pixel at (5, 15) green. Its exact colour depends on how the X server
# lays out pixels, so only "clearly green" is asked for.
showing_play() {
    screenshot || return 1
    local r g b
    read -r r g b < <(pixel 5 15)
    local title_pixels
    title_pixels=$(differing_pixels "$GAME/title.bmp")
    ((title_pixels > 640 * 480 / 100 && g >= 64 && g > r + 32 && g > b + 32))
}

wait_for_play() {
    local deadline=$((SECONDS + $1))
    until showing_play; do
        ((SECONDS < deadline)) || fail "no frame with a health bar within $1 s (pixel 5,15: $(pixel 5 15))"
        sleep 0.2
    done
}

# Ends the game with Esc held, wherever it stands: a title or game-over
# screen waiting for a key needs one more key while Esc is still down. Fails
# unless the exit status is 0 and the sanitizers (if built in) said nothing.
end_with_esc() {
    timeout 10 xdotool keydown Escape
    local deadline=$((SECONDS + 30))
    until [[ -s "$GAME/status" ]]; do
        ((SECONDS < deadline)) || fail "Esc did not end the game within 30 s"
        timeout 10 xdotool key Return 2>/dev/null || true
        sleep 0.5
    done
    timeout 10 xdotool keyup Escape 2>/dev/null || true
    local status
    status=$(wait_for_exit 5)
    [[ $status == 0 ]] || fail "exit status $status after Esc, not 0"
    if grep -E 'runtime error|Sanitizer' "$GAME/stderr"; then fail "the sanitizers reported"; fi
}

# Waits up to $1 seconds for a level pack's title boxed on the earth at the
# foot of the title picture, in its own colour.
wait_for_pack_title() {
    local deadline=$((SECONDS + $1)) r g b
    until screenshot && read -r r g b <<<"$(pixel 268 436)" && ((r > 200 && g > 180 && b < 150)); do
        ((SECONDS < deadline)) || fail "no pack title over the title picture (pixel 268,436: $(pixel 268 436))"
        sleep 0.2
    done
}

# Ends a game started by the test itself with Esc held: its exit status is
# written to the file $1, and must be 0 within 20 s.
end_run_with_esc() {
    timeout 10 xdotool keydown Escape
    local deadline=$((SECONDS + 20))
    until [[ -s "$1" ]]; do
        ((SECONDS < deadline)) || fail "the game did not end with Esc"
        sleep 0.1
    done
    timeout 10 xdotool keyup Escape 2>/dev/null || true
    GAME_PID=""
    [[ "$(cat "$1")" == 0 ]] || fail "exit status $(cat "$1") after Esc"
}
