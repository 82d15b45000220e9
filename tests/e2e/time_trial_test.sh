#!/usr/bin/env bash
# The time trial in the real game: T on the title opens it; a level raced
# there plays exactly the frames headbot-sim plays from a fresh world with
# the same keys (the game's own recording, HEADBOT_RECORD, tells); a win is
# kept as a best whose script headbot-sim plays to the same win; Esc goes
# back to the title, and the normal game then plays as if the trial had
# never been opened.
source "$(dirname "$0")/game_support.sh"
: "${SIM:?SIM must name headbot-sim}"

start_xvfb
copy_game
# level 5 as a level won by holding Up: the ball rests over the robot under an open sky
{
    echo "s 640 480 p 64 407"
    for x in $(seq 0 32 608); do echo "A $x 448"; done
    echo "!"
} >"$GAME/level5"
# headbot-sim plays a copy: it writes "saved" where it plays
cp -r "$GAME" "$SCRATCH/simdir"
export HEADBOT_RECORD="$SCRATCH/play.keys"
start_game 180
find_window
wait_for_picture title.bmp 30 GAMEOVER.bmp

key() { timeout 10 xdotool "$1" "$2"; }
# --- Level 1 raced and given up with Esc --------------------------------------------
press t
sleep 1
screenshot
(($(differing_pixels "$GAME/title.bmp") > 100000)) || fail "T did not leave the title"
press Return
wait_for_play 20
key keydown Right
sleep 0.7
key keydown Up
sleep 0.3
key keyup Up
key keyup Right
press Escape
sleep 0.5

# --- Level 5 raced and won: a new best ----------------------------------------------
for _ in 1 2 3 4; do press Down; done
press Return
sleep 0.3
key keydown Up
deadline=$((SECONDS + 20))
until [[ -s "$GAME/best-times" ]]; do
    ((SECONDS < deadline)) || fail "no best kept after a won level 5"
    sleep 0.2
done
key keyup Up
press Escape   # the results: back to the trial screen
sleep 0.3
press Escape   # the trial screen: back to the title
wait_for_picture title.bmp 20 GAMEOVER.bmp
[[ ! -e "$GAME/saved" ]] || fail "the trial wrote \"saved\": the normal game's progress is not the trial's"

# --- The normal game after the trial ------------------------------------------------
press Return
wait_for_play 20
key keydown Left
sleep 0.5
key keyup Left
end_with_esc

# the recording in its three parts, one per "# level" line
awk -v dir="$SCRATCH" '/^# level/ {n++; next} /^#/ {next} {print > (dir "/part" n ".keys")}' "$HEADBOT_RECORD"
grep -v '^#' "$HEADBOT_RECORD.trace" | cut -d' ' -f2- >"$SCRATCH/game.trace"
: >"$SCRATCH/sim.trace"
for part in 1:1 2:5 3:1; do
    n=${part%:*}
    level=${part#*:}
    frames=$(awk '{n += $1} END {print n + 0}' "$SCRATCH/part$n.keys")  # a line a run of keys
    ((frames > 20)) || fail "part $n of the recording has only $frames frames"
    "$SIM" -C "$SCRATCH/simdir" --level "$level" --input "$SCRATCH/part$n.keys" --frames "$frames" --trace 2>/dev/null |
        grep -v -e '^#' -e '^result:' | cut -d' ' -f2- >>"$SCRATCH/sim.trace" ||
        fail "headbot-sim did not play part $n"
done
if ! cmp -s "$SCRATCH/game.trace" "$SCRATCH/sim.trace"; then
    diff "$SCRATCH/game.trace" "$SCRATCH/sim.trace" | head -5 >&2
    fail "the trial or the game after it part ways with headbot-sim from a fresh world"
fi

# the best: its time in frames, and a script headbot-sim plays to that very win
read -r course frames fingerprint < <(grep -v '^#' "$GAME/best-times")
[[ $course == 5 && $fingerprint =~ ^[0-9a-f]{16}$ ]] || fail "best-times holds: $(cat "$GAME/best-times")"
won=$("$SIM" -C "$SCRATCH/simdir" --level 5 --input "$GAME/best5.keys" | tail -1)
[[ $won == "result: won frames=$frames level=6" ]] || fail "best5.keys replays as \"$won\", not a win in $frames frames"
echo "ok: $(wc -l <"$SCRATCH/game.trace") frames alike, best $frames frames"
