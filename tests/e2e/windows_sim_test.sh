#!/usr/bin/env bash
# The Windows tools under Wine play the very frames the Linux ones play: every
# shipped solution, and the whole game, trace byte for byte as the Linux
# headbot-sim traces them; a script headbot-solve.exe finds wins under the
# Linux headbot-sim; a level named by a Windows path ("Z:\...\boss1") is the
# level its name says. Needs BUILD_DIR, SIM and SOURCE_DIR.
source "$(dirname "$0")/windows_support.sh"
source "$(dirname "$0")/sim_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the repository root}"

SOLUTIONS="$SOURCE_DIR/data/solutions"
LEVELS=(level1 level2 level3 boss1 level5 level6 boss2)
mkdir -p "$work/linux" "$work/windows"
for side in linux windows; do
    cp "$SOURCE_DIR"/data/levels/* "$work/$side/"
    echo "640 480 0 0" >"$work/$side/config.txt"
done

# same_trace NAME SIM-ARGS...: both traces, compared byte for byte.
same_trace() {
    local name=$1
    shift
    "$SIM" -C "$work/linux" --trace "$@" >"$work/$name.linux"
    wine_run 120 "$WIN_BUILD/headbot-sim.exe" -C "$work/windows" --trace "$@" >"$work/$name.windows"
    local differ=same
    cmp -s "$work/$name.linux" "$work/$name.windows" ||
        differ="differs: $(cmp "$work/$name.linux" "$work/$name.windows" 2>&1 | head -n 1)"
    check "$name traced as on Linux ($(wc -l <"$work/$name.linux") lines)" same "$differ"
}

for i in "${!LEVELS[@]}"; do
    same_trace "${LEVELS[$i]}" --level $((i + 1)) --frames 30000 --input "$SOLUTIONS/${LEVELS[$i]}.keys"
done
same_trace full-game --level 1 --levels 7 --frames 200000 --input "$SOLUTIONS/full-game.keys"
check "full game won" "result: won frames" "$(tail -n 1 "$work/full-game.windows" | cut -c1-18)"
check "\"saved\" written by the Windows run as by the Linux one" \
    "$(od -c "$work/linux/saved")" "$(od -c "$work/windows/saved")"

# --- headbot-solve.exe on a room with a brick roof, named by a Windows path ---
room="$work/room"
mkdir -p "$room"
echo "640 480 0 0" >"$room/config.txt"
{
    echo "s 640 480 p 64 407"
    for x in $(seq 0 32 608); do
        echo "A $x 448"
        if ((x >= 224 && x <= 320)); then echo "E $x 128"; else echo "U $x 128"; fi
    done
    echo "!"
} >"$room/boss1"
status=0
(cd "$room" && wine_run 60 "$WIN_BUILD/headbot-solve.exe" "$(winepath -w "$room/boss1" 2>/dev/null)" \
    --seconds 20 >"$work/solved.keys" 2>"$work/solve.err") || status=$?
check "solve.exe: exit" 0 "$status"
check "solve.exe: the Windows path names level 4" "# headbot-solve: level 4 won" \
    "$(head -n 1 "$work/solved.keys" | cut -c1-28)"
check "solve.exe: plain line ends" 0 "$(grep -c $'\r' "$work/solved.keys")"
check "solve.exe: its script wins under the Linux headbot-sim" won \
    "$("$SIM" -C "$room" --level 4 --input "$work/solved.keys" | tail -n 1 | cut -d' ' -f2)"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
