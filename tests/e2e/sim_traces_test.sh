#!/usr/bin/env bash
# Every shipped level, played by its recorded solution, traces byte for byte
# as it did when the sums in sim_traces.sha256 were taken: whatever is added
# around the rules, the frames play as they did.
# Needs SIM (the headbot-sim binary) and SOURCE_DIR (the repo root).
source "$(dirname "$0")/sim_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the repository root}"

cp "$SOURCE_DIR"/data/levels/* "$work"/
echo "640 480 0 0" > "$work/config.txt"
SOLUTIONS="$SOURCE_DIR/data/solutions"
LEVELS=(level1 level2 level3 boss1 level5 level6 boss2)

trace_sum() {  # trace_sum SIM-ARGS...
    "$SIM" -C "$work" --trace "$@" | sha256sum | cut -d' ' -f1
}

expected() { awk -v n="$1" '$2 == n { print $1 }' "$(dirname "$0")/sim_traces.sha256"; }

for i in "${!LEVELS[@]}"; do
    name=${LEVELS[$i]}
    check "$name traced" "$(expected "$name")" \
        "$(trace_sum --level $((i + 1)) --frames 30000 --input "$SOLUTIONS/$name.keys")"
done
check "full game traced" "$(expected full-game)" \
    "$(trace_sum --level 1 --levels 7 --frames 200000 --input "$SOLUTIONS/full-game.keys")"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
