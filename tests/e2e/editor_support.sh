# Helpers for the tests that drive headbot-edit under an X server of their
# own with the mouse and keys. Source it after game_support.sh.

EDITOR_PID=""
EDITOR_OUT=""
EDITOR_AS=()  # a command the editor runs under (another user, say)

stop_editor() {
    if [[ -n "$EDITOR_PID" ]]; then kill "$EDITOR_PID" 2>/dev/null || true; fi
    EDITOR_PID=""
}
trap 'stop_editor; cleanup' EXIT

# Every editor test: its own X server and copy of the game folder, and a
# folder for its levels, which are 240 pixels high (window_y counts on it).
LEVEL_HEIGHT=240
set_up_editor_test() {
    start_xvfb
    copy_game
    LEVELS="$SCRATCH/levels"
    mkdir -p "$LEVELS"
}

# A level that holding Up wins: the robot heads the ball out through the top
# in about a second.
SHORT_LEVEL='s 640 240\np 64 167\nA 0 208\nA 32 208\nA 64 208\nA 96 208\nA 128 208\n! 0 0\n'

# The editor on a level file, run from the game's folder (its config.txt);
# waits for its window and gives it the keyboard.
start_editor() {
    local file=$1
    shift
    EDITOR_OUT="$SCRATCH/editor.out"
    rm -f "$SCRATCH/editor.status"
    (
        cd "$GAME"
        set +e
        timeout 60 "${EDITOR_AS[@]}" ./headbot-edit "$file" "$@" >"$EDITOR_OUT" 2>"$SCRATCH/editor.err"
        echo $? >"$SCRATCH/editor.status"
    ) &
    EDITOR_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^headbot-edit ${file##*/}\$" | head -n1) ||
        fail "no editor window within 20 s: $(cat "$SCRATCH/editor.err")"
    local deadline=$((SECONDS + 20))
    until timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "cannot focus the editor window"
        sleep 0.2
    done
    wait_for_output "$(basename "$file")" 10
}

# Waits for a line of the editor's log matching a pattern.
wait_for_output() {
    local deadline=$((SECONDS + $2))
    until grep -q -- "$1" "$EDITOR_OUT" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the editor never said \"$1\"; it said: $(cat "$EDITOR_OUT")"
        sleep 0.05
    done
}

# Window coordinates of a world point: the editor opens on the level's
# bottom-left corner, 16 pixels in from the window's left and with the
# level's bottom 16 pixels above the 50-pixel status panel.
window_x() { echo $(($1 + 16)); }
window_y() { echo $(($1 - LEVEL_HEIGHT + 480 - 50 - 16)); }

# Moves to the middle of the world cell (x, y) and clicks a button there.
click_cell() {
    local button=${3:-1}
    timeout 10 xdotool mousemove "$(window_x $(($1 + 10)))" "$(window_y $(($2 + 10)))"
    sleep 0.05
    timeout 10 xdotool mousedown "$button"
    sleep 0.05
    timeout 10 xdotool mouseup "$button"
    sleep 0.1
}

# Drags with the left button from one world point to another.
drag() {
    # pauses long enough for a busy editor to see each step: a press it
    # first sees at the end of the move would start the drag there
    timeout 10 xdotool mousemove "$(window_x "$1")" "$(window_y "$2")"
    sleep 0.15
    timeout 10 xdotool mousedown 1
    sleep 0.15
    timeout 10 xdotool mousemove "$(window_x "$3")" "$(window_y "$4")"
    sleep 0.15
    timeout 10 xdotool mouseup 1
    sleep 0.15
}

key() {
    timeout 10 xdotool key --delay 60 "$@"
    sleep 0.1
}

# Esc (twice when asked) and waits for the editor to end with status 0.
quit_editor() {
    key Escape
    sleep 0.2
    [[ -s "$SCRATCH/editor.status" ]] || key Escape
    local deadline=$((SECONDS + 10))
    until [[ -s "$SCRATCH/editor.status" ]]; do
        ((SECONDS < deadline)) || fail "Esc did not end the editor"
        sleep 0.05
    done
    EDITOR_PID=""
    [[ $(cat "$SCRATCH/editor.status") == 0 ]] || fail "the editor ended with $(cat "$SCRATCH/editor.status")"
}

# Holds Esc until the editor says a message, then lets go. The Esc must only
# have stopped what the editor was doing (named by the second argument), not
# the editor.
escape_until() {
    timeout 10 xdotool keydown Escape
    wait_for_output "$1" 10
    sleep 0.2
    timeout 10 xdotool keyup Escape
    sleep 0.3
    if [[ -s "$SCRATCH/editor.status" ]]; then fail "the Esc that $2 also ended the editor"; fi
}

# headbot-sim on a level file with a key script ("-": standard input),
# played as level 1 with the game's screen.
sim_play() {  # sim_play LEVEL_FILE KEY_SCRIPT [HEADBOT-SIM ARGS...]
    mkdir -p "$SCRATCH/sim"
    cp "$1" "$SCRATCH/sim/level1"
    cp "$GAME/config.txt" "$SCRATCH/sim/"
    "$SIM" -C "$SCRATCH/sim" --level 1 --input "$2" "${@:3}"
}
