#!/usr/bin/env bash
# The seven shipped levels, played by headbot-sim:
#  - each recorded solution wins its level from a fresh start with health left,
#    and (past the first level) takes at least 1425 frames (15 s at 95 a second);
#  - naive play never wins levels 2 to 7: touching nothing or holding Up alone
#    for 30000 frames, walking either way with or without Up for 20000;
#  - 1000 frames of touching nothing neither hurts the robot nor ends the level;
#  - the full-game recording wins all seven levels in a row in one process,
#    and play then goes on with level 2.
# Needs SIM (the headbot-sim binary) and SOURCE_DIR (the repo root).
set -u

: "${SIM:?SIM must name the headbot-sim binary}"
: "${SOURCE_DIR:?SOURCE_DIR must name the repository root}"

LEVELS=(level1 level2 level3 boss1 level5 level6 boss2)
SOLUTIONS="$SOURCE_DIR/data/solutions"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$SOURCE_DIR"/data/levels/* "$work"/
echo "640 480 0 0" > "$work/config.txt"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run_sim ARGS... : prints "OUTCOME FRAMES LEVEL HEALTH" of a traced run
run_sim() {
    "$SIM" -C "$work" --trace "$@" | awk '
        /^#/ { next }
        /^result:/ { outcome = $2; sub("frames=", "", $3); sub("level=", "", $4); frames = $3; level = $4; next }
        { health = $10 }
        END { print outcome, frames, level, health }'
}

for i in "${!LEVELS[@]}"; do
    n=$((i + 1)); name=${LEVELS[$i]}
    keys="$SOLUTIONS/$name.keys"
    if [ ! -f "$keys" ]; then fail "$name: no solution $keys"; continue; fi

    read -r outcome frames level health < <(run_sim --level "$n" --frames 30000 --input "$keys")
    if [ "$outcome" != won ]; then
        fail "$name: solution ends '$outcome' after $frames frames"
    elif [ "$health" -le 0 ]; then
        fail "$name: solution wins with health $health"
    elif [ "$n" -gt 1 ] && [ "$frames" -lt 1425 ]; then
        fail "$name: solution wins in only $frames frames"
    else
        echo "ok   $name: won in $frames frames with health $health"
    fi

    read -r outcome frames level health < <(run_sim --level "$n" --frames 1000)
    if [ "$outcome" != stopped ] || [ "$health" -ne 100 ]; then
        fail "$name: 1000 idle frames end '$outcome' with health $health"
    fi

    if [ "$n" -gt 1 ]; then
        read -r outcome frames level health < <("$SIM" -C "$work" --level "$n" --frames 30000 | awk '/^result:/ { print $2, $3, $4, 0 }')
        [ "$outcome" = won ] && fail "$name: won by touching nothing ($frames)"
        read -r outcome frames level health < <(echo "30000 U" | "$SIM" -C "$work" --level "$n" --frames 30000 --input - | awk '/^result:/ { print $2, $3, $4, 0 }')
        [ "$outcome" = won ] && fail "$name: won by holding Up alone ($frames)"
        for held in R RU L LU; do
            read -r outcome frames level health < <(echo "20000 $held" | "$SIM" -C "$work" --level "$n" --frames 20000 --input - | awk '/^result:/ { print $2, $3, $4, 0 }')
            [ "$outcome" = won ] && fail "$name: won by holding $held alone ($frames)"
        done
    fi
done

# After the seventh level end current_level holds 8; the next level load turns
# it into 2, so one more frame shows play going on with level 2.
full="$SOLUTIONS/full-game.keys"
if [ -f "$full" ]; then
    result=$("$SIM" -C "$work" --level 1 --levels 7 --input "$full" | tail -n 1)
    case "$result" in
        "result: won "*" level=8")
            frames=${result#*frames=}; frames=${frames%% *}
            after=$("$SIM" -C "$work" --level 1 --levels 8 --frames $((frames + 1)) --input "$full" | tail -n 1)
            if [ "$after" = "result: stopped frames=$((frames + 1)) level=2" ]; then
                echo "ok   full game: $result, then level 2"
            else
                fail "full game: after the last level: $after"
            fi ;;
        *) fail "full game: $result" ;;
    esac
else
    fail "no full-game solution $full"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all level checks passed"
