#!/usr/bin/env bash
# Whole levels through headbot-sim, checked against frames worked out by hand.
# Needs SIM (the headbot-sim binary). Works only in a temp dir of its own.
source "$(dirname "$0")/sim_support.sh"

# column N of the trace line of frame F
col() { awk -v f="$2" -v c="$3" '$1 == f { print $c }' "$1"; }
# several columns of frame F, space-separated
cols() {
    local file=$1 frame=$2
    shift 2
    awk -v f="$frame" -v list="$*" '$1 == f { n = split(list, c, " "); s = "";
        for (i = 1; i <= n; i++) s = s (i > 1 ? " " : "") $c[i]; print s }' "$file"
}

floor_row() {  # floor_row TOP FROM TO
    local x
    for ((x = $2; x < $3; x += 32)); do echo "A $x $1"; done
}

# --- A tiny level won by heading the ball out of the top -------------------
# The robot starts at (100, 300) above a floor at 400: it stays put for 22
# frames, falls 2 then 4 pixels a frame and is landed at y 359 in frame 48;
# standing, it is landed again in frames 66, 88, 110, 132, 154. It walks right
# 40 frames and back 40, then holds Up from frame 141: the jump starts in
# frame 154. In frame 184 (J+30) its top, at 230, meets the ball (200 to 232)
# at its left edge: the ball flies up and right, and the rising robot
# (fall_accum -30) turns to fall (30). The ball's top reaches -1 in frame 385.
mkdir "$work/won"
{
    echo "s 6000 400"
    echo "p 100 300"
    floor_row 400 0 640
    echo "!"
} > "$work/won/level1"
printf '# settle, walk away and back, jump\n60 -\n40 R\n\n40 L\n30 U\n' > "$work/won/keys"
(cd "$work/won" && "$SIM" --input keys --trace > trace 2> err)
check "won: exit" 0 $?
check "won: result" "result: won frames=385 level=2" "$(tail -n 1 "$work/won/trace")"
check "won: first frame" \
    "1 1 100 300 0 0 0 1 1 100 1 100 200 0 0 0 400 100 10 0 0 1 0 100 0 1 0 0 0 0" \
    "$(sed -n 2p "$work/won/trace")"
check "won: still at frame 22" "300 2 21 1" "$(cols "$work/won/trace" 22 4 5 6 8)"
check "won: landed in frame 48" "359 0 0 5 0" "$(cols "$work/won/trace" 48 4 5 6 7 8)"
check "won: re-landed in frame 66" "359 0 0 1 0" "$(cols "$work/won/trace" 66 4 5 6 7 8)"
check "won: walked right" "180 1" "$(cols "$work/won/trace" 100 3 9)"
check "won: walked back" "100 2" "$(cols "$work/won/trace" 140 3 9)"
check "won: no jump before the landing" "359 20" "$(cols "$work/won/trace" 153 4 6)"
check "won: jump in frame 154" "359 0 -60 30 1" "$(cols "$work/won/trace" 154 4 5 6 7 8)"
check "won: ball at rest before the hit" "100 200 0 0" "$(cols "$work/won/trace" 183 12 13 14 15)"
check "won: headed in frame 184" "230 30 30 100 200 1 -1" \
    "$(cols "$work/won/trace" 184 4 6 7 12 13 14 15)"
check "won: ball in flight" "300 0 0" "$(cols "$work/won/trace" 384 12 13 29)"
check "won: last frame" "2 301 -1 1 0" "$(cols "$work/won/trace" 385 2 12 13 29 30)"
check "won: saved left empty by level 1" "" "$(cat "$work/won/saved")"
check "won: nothing on stderr" "" "$(cat "$work/won/err")"
check "won: no frame after the end" 385 "$(grep -vc -e '^#' -e '^result' "$work/won/trace")"

# --- A game over by spiders --------------------------------------------------
# The robot stands on the floor inside two spiders from the first frame on:
# 2 health a frame, 0 after frame 50. Frame 51 respawns it with its last
# life (game over), and the spiders still bite in that frame.
mkdir "$work/over"
{
    echo "s 6000 400"
    echo "p 100 359"
    floor_row 400 0 640
    echo "D 90 369"
    echo "D 80 380"
    echo "!"
} > "$work/over/level1"
(cd "$work/over" && "$SIM" --trace --input /dev/null > trace)
check "over: exit" 0 $?
check "over: result" "result: over frames=51 level=1" "$(tail -n 1 "$work/over/trace")"
check "over: health before" "0 1 0 0" "$(cols "$work/over/trace" 50 10 11 29 30)"
check "over: last frame" "100 359 98 0 2 1 1" "$(cols "$work/over/trace" 51 3 4 10 11 28 29 30)"

# --- Two levels chained, and the wrap from level 7 to level 2 -----------------
# A robot started below y 100 has its ball above the top of the level: the
# ball wins in the first frame of the level.
mkdir "$work/chain"
for file in level1 level2 level3 boss2; do echo "p 300 99 A 300 140 !" > "$work/chain/$file"; done
(cd "$work/chain" && "$SIM" --levels 2 --trace > trace)
check "chain: result" "result: won frames=2 level=3" "$(tail -n 1 "$work/chain/trace")"
check "chain: levels by frame" "2 3" "$(col "$work/chain/trace" 1 2) $(col "$work/chain/trace" 2 2)"
check "chain: progress" "a" "$(cat "$work/chain/saved")"
# "saved" now names level 2: without --level the next run starts there
(cd "$work/chain" && "$SIM" > out)
check "chain: from saved" "result: won frames=1 level=3" "$(cat "$work/chain/out")"
(cd "$work/chain" && "$SIM" --level 7 --levels 2 > out)
check "chain: 7 wraps to 2" "result: won frames=2 level=3" "$(cat "$work/chain/out")"
check "chain: wrapped progress" "a" "$(cat "$work/chain/saved")"
(cd "$work/chain" && "$SIM" --level 7 > out)
check "chain: 7 won" "result: won frames=1 level=8" "$(cat "$work/chain/out")"
check "chain: progress of 7" "g" "$(cat "$work/chain/saved")"

# --- The frame limit ------------------------------------------------------------
(cd "$work/won" && "$SIM" --frames 200 --input keys > out)
check "limit: stopped" "result: stopped frames=200 level=1" "$(cat "$work/won/out")"
(cd "$work/won" && "$SIM" --frames 0 > out)
check "limit: none" "result: stopped frames=0 level=1" "$(cat "$work/won/out")"

# --- A boss level won by the boss falling out ---------------------------------
# Nothing holds the boss: from rest it leaves the level in frame 168 at y 1002.
mkdir "$work/boss"
echo "p 5000 500 A 5000 541 !" > "$work/boss/boss1"
(cd "$work/boss" && "$SIM" --level 4 --trace > trace)
check "boss: result" "result: won frames=168 level=5" "$(tail -n 1 "$work/boss/trace")"
check "boss: refreshes" "2 4 6 8 9" "$(for f in 22 43 64 85 92; do col "$work/boss/trace" $f 20; done | xargs)"
check "boss: out" "436 1002 9 167 1 1" "$(cols "$work/boss/trace" 168 18 19 20 21 22 23)"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
