#!/usr/bin/env bash
# Soak: headbot-sim plays the shipped levels and seeded random level sets
# with seeded random keys, and every trace line is checked against what the
# rules allow (hardening/trace_check.awk). HEADBOT_SOAK_FRAMES sets how many
# frames in all (default 140000); every run is reproducible from its number.
set -euo pipefail
: "${SIM:?set SIM to the headbot-sim binary}"
: "${GAME_DIR:?set GAME_DIR to the built game folder}"
: "${SOURCE_DIR:?set SOURCE_DIR to the source tree}"
target=${HEADBOT_SOAK_FRAMES:-140000}
check_awk="$SOURCE_DIR/hardening/trace_check.awk"
work=$(mktemp -d /tmp/headbot-soak-XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

files=(level1 level2 level3 boss1 level5 level6 boss2)

# A level with room to play: a floor with gaps, the robot standing on it
# under the ball, platforms, blocks of every kind, spiders and mushrooms; on
# boss levels a row of breakable blocks for the boss to stand on.
random_level() {  # SEED LEVEL
    RANDOM=$1
    local w=$((640 + RANDOM % 3000)) h=$((480 + RANDOM % 1000)) x i n kinds=(E U G)
    local floor=$((h - 40 - RANDOM % 100))
    echo "s $w $h"
    echo "p $((50 + RANDOM % 400)) $((floor - 41))"
    for ((x = 0; x < w; x += 32)); do
        ((RANDOM % 10 == 0)) || echo "A $x $floor"
    done
    n=$((RANDOM % 30))
    for ((i = 0; i < n; i++)); do echo "A $((RANDOM % w)) $((RANDOM % floor))"; done
    n=$((RANDOM % 60))
    for ((i = 0; i < n; i++)); do echo "${kinds[RANDOM % 3]} $((RANDOM % w)) $((RANDOM % floor))"; done
    if [[ $2 == 4 || $2 == 7 ]]; then
        for ((x = 40; x < 460; x += 32)); do echo "E $x $((200 + RANDOM % 100))"; done
    fi
    n=$((RANDOM % 20))
    for ((i = 0; i < n; i++)); do echo "D $((RANDOM % w)) $((floor - 31))"; done
    n=$((RANDOM % 8))
    for ((i = 0; i < n; i++)); do echo "M $((RANDOM % w)) $((floor - 32))"; done
    echo "!"
}

# Bounds and positions at the loader's limits: tiny, empty, negative and
# enormous levels, objects far outside them.
extreme_level() {  # SEED
    RANDOM=$1
    local sizes=("10 10" "0 0" "-100 -100" "1000000 1000000" "640 480" "100000 300" "300 100000")
    local places=(0 1 -1 1000000 -1000000 999999 500 -500)
    local i n letters=(A E U G D M p)
    echo "s ${sizes[RANDOM % ${#sizes[@]}]}"
    n=$((RANDOM % 40))
    for ((i = 0; i < n; i++)); do
        echo "${letters[RANDOM % ${#letters[@]}]} ${places[RANDOM % ${#places[@]}]} ${places[RANDOM % ${#places[@]}]}"
    done
    echo "!"
}

# Random runs of 1 to 200 frames of nothing, Up, Left, Right or any mix.
random_keys() {  # SEED FRAMES
    RANDOM=$1
    local keys=(- U L R UL UR LR ULR) sum=0 count
    while ((sum < $2)); do
        count=$((1 + RANDOM % 200))
        echo "$count ${keys[RANDOM % 8]}"
        sum=$((sum + count))
    done
}

# "WIDTH HEIGHT BLOCKS SPIDERS" of a level file, read as the loader reads
# well-formed records up to "!"; "-" for the size without an "s" record.
level_facts() {
    [[ -f $1 ]] || { echo "- - 0 0"; return; }
    awk 'BEGIN { RS = "[ \t\r\n]+"; w = "-"; h = "-" }
        { t[n++] = $0 }
        END {
            for (i = 0; i + 2 < n || (i < n && t[i] == "!"); i += 3) {
                c = substr(t[i], 1, 1)
                if (c == "!") break
                if (c == "s") { w = t[i + 1]; h = t[i + 2] }
                if (c == "E" || c == "U" || c == "G") b++
                if (c == "D") d++
            }
            print w, h, b + 0, d + 0
        }' "$1"
}

# The level sets: the shipped one, three random ones, four extreme ones with
# odd screens.
sets=()
make_set() {  # NAME CONFIG
    mkdir -p "$work/$1"
    printf '%s\n' "$2" > "$work/$1/config.txt"
    sets+=("$1")
}
make_set shipped "$(cat "$GAME_DIR/config.txt")"
for f in "${files[@]}"; do cp "$GAME_DIR/$f" "$work/shipped/$f"; done
for s in 1 2 3; do
    make_set "random$s" "640 480 0 0"
    for i in "${!files[@]}"; do random_level $((s * 100 + i)) $((i + 1)) > "$work/random$s/${files[i]}"; done
done
extreme_configs=("320 200 0 0" "0 0 0 0" "-50 -50 0 0" "1000000 1000000 0 0")
for s in 1 2 3 4; do
    make_set "extreme$s" "${extreme_configs[s - 1]}"
    for i in "${!files[@]}"; do extreme_level $((s * 1000 + i)) > "$work/extreme$s/${files[i]}"; done
done

declare -A facts screen
for set in "${sets[@]}"; do
    list=""
    for f in "${files[@]}"; do list+="$(level_facts "$work/$set/$f");"; done
    facts[$set]=$list
    read -r sw sh _ < "$work/$set/config.txt"
    screen[$set]="$sw $sh"
done

total=0
level_ends=0
run=0
declare -A outcomes
while ((total < target)); do
    set=${sets[run % ${#sets[@]}]}
    level=$((1 + (run / ${#sets[@]}) % 7))
    frames=$((target - total < 3000 ? target - total : 3000))
    random_keys $((run + 1)) "$frames" > "$work/keys"
    status=0
    "$SIM" -C "$work/$set" --level "$level" --input "$work/keys" --frames "$frames" --levels 1000 \
        --trace > "$work/trace" 2> "$work/err" || status=$?
    ((status == 0)) || fail "run $run ($set, level $level): exit $status: $(head -c 2000 "$work/err")"
    read -r sw sh <<< "${screen[$set]}"
    read -r checked won < <(awk -v sw="$sw" -v sh="$sh" -v start="$level" -v levels="${facts[$set]}" \
        -f "$check_awk" "$work/trace" || echo fail)
    [[ $checked != fail ]] || {
        cp "$work/trace" "/tmp/headbot-soak-failed-trace"
        cp "$work/keys" "/tmp/headbot-soak-failed-keys"
        fail "run $run ($set, level $level): trace kept in /tmp/headbot-soak-failed-trace"
    }
    outcome=$(tail -n 1 "$work/trace" | cut -d' ' -f2)
    outcomes[$outcome]=$((${outcomes[$outcome]:-0} + 1))
    total=$((total + checked))
    level_ends=$((level_ends + won))
    run=$((run + 1))
    # a run ends early at a game over; zero frames would never finish
    ((checked > 0)) || fail "run $run ($set, level $level) played no frame"
done
echo "soak: $total frames in $run runs checked, $level_ends levels won ($(for o in "${!outcomes[@]}"; do printf '%s %s ' "$o" "${outcomes[$o]}"; done))"
