#!/usr/bin/env bash
# Pausing never changes what the world does next: the real game, recording
# its play (HEADBOT_RECORD), is paused and resumed several times, with keys
# pressed and released while it stands still, and ended with Esc while
# paused; headbot-sim, given the keys the game recorded, must go through the
# very same world frame by frame.
source "$(dirname "$0")/game_support.sh"
: "${SIM:?SIM must name headbot-sim}"

start_xvfb
copy_game
export HEADBOT_RECORD="$SCRATCH/play.keys"
start_game
find_window
wait_for_picture title.bmp 30 GAMEOVER.bmp
press Return
wait_for_play 20

key() { timeout 10 xdotool "$1" "$2"; }
key keydown Right
sleep 0.6
press p                 # paused with Right held
sleep 0.4
key keyup Right         # released while paused
key keydown Left
press p                 # resumed with Left held
sleep 0.4
key keydown Up
press p                 # paused with Left and Up held
sleep 0.3
press p
sleep 0.3
key keyup Up
key keyup Left
press p
sleep 0.2
press p
sleep 0.3
press p                 # Esc while paused ends the game as in play
sleep 0.3
end_with_esc

[[ -s "$HEADBOT_RECORD" && -s "$HEADBOT_RECORD.trace" ]] || fail "the game recorded nothing"
frames=$(grep -vc '^#' "$HEADBOT_RECORD.trace")
((frames > 100)) || fail "only $frames frames recorded"
grep -qE '^[0-9]+ L$' "$HEADBOT_RECORD" && grep -qE '^[0-9]+ R$' "$HEADBOT_RECORD" || fail "the recording holds no walking"
grep -v '^#' "$HEADBOT_RECORD.trace" >"$SCRATCH/game.trace"
rm -f "$GAME/saved"
"$SIM" -C "$GAME" --level 1 --input "$HEADBOT_RECORD" --frames "$frames" --levels 100 --trace |
    grep -v -e '^#' -e '^result:' >"$SCRATCH/sim.trace"
if ! cmp -s "$SCRATCH/game.trace" "$SCRATCH/sim.trace"; then
    diff "$SCRATCH/game.trace" "$SCRATCH/sim.trace" | head -5 >&2
    fail "the paused play and headbot-sim's play of its keys part ways"
fi
echo "ok: $frames frames alike"
