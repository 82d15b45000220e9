#!/usr/bin/env bash
# Every par script the game ships plays through headbot-sim to a win in
# exactly the frames its first line states, from the levels the game ships.
source "$(dirname "$0")/sim_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the source folder}"

cp -r "$GAME_DIR" "$work/game"
level=0
for name in level1 level2 level3 boss1 level5 level6 boss2 full-game; do
    level=$((level + 1))
    args="--level $level"
    [[ $name == full-game ]] && args="--level 1 --levels 7"
    par=$SOURCE_DIR/data/par/$name.keys
    stated=$(head -1 "$par" | sed -n 's/^# par: .* won in \([0-9]*\) frames.*/\1/p')
    check "$name: states its frames" 1 "$([[ -n $stated ]] && echo 1)"
    # shellcheck disable=SC2086
    check "$name: wins in them" "result: won frames=$stated" \
        "$("$SIM" -C "$work/game" $args --input "$par" | tail -1 | cut -d' ' -f1-3)"
    check "$name: the game has it" "" "$(cmp "$par" "$work/game/par-$name.keys" 2>&1)"
done

echo "par: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
