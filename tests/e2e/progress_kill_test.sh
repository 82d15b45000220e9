#!/usr/bin/env bash
# "saved" is never empty nor half written, however a run is killed: headbot-sim
# (the game's own level loader) starts a level every few frames, on levels
# each won in their first frame, and is killed at random moments; after every
# kill "saved" holds exactly one progress letter.
set -euo pipefail
: "${SIM:?SIM must name headbot-sim}"
work=$(mktemp -d /tmp/headbot-kill-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "640 480 0 0" >"$work/config.txt"
# The ball starts 100 pixels above the robot, above the level's top: won at once.
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    printf 'p 300 50\nA 300 91\n!' >"$work/$name"
done
printf a >"$work/saved"
RANDOM=15
kills=0
for round in $(seq 40); do
    "$SIM" -C "$work" --level 2 --levels 100000000 --frames 100000000 >/dev/null &
    sim=$!
    sleep "0.0$((RANDOM % 9 + 1))$((RANDOM % 10))"
    kill -9 "$sim" 2>/dev/null && kills=$((kills + 1))
    wait "$sim" 2>/dev/null || true
    letter=$(od -An -c "$work/saved" | tr -d ' \n')
    [[ $letter =~ ^[almnfg]$ ]] || fail "after kill $round \"saved\" holds \"$letter\", not one progress letter"
done
((kills >= 30)) || fail "only $kills of 40 runs were killed mid-way"
echo "ok: $kills kills, \"saved\" whole each time"
