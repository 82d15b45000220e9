#!/usr/bin/env bash
# headbot-solve on small levels whose answer is known: it finds a script
# that headbot-sim plays to a win, refuses a level that cannot be won, and
# turns bad input away in one line. Needs SIM and BUILD_DIR.
source "$(dirname "$0")/sim_support.sh"
SOLVE=${BUILD_DIR:?}/headbot-solve

# A 640 by 480 room on a floor with the robot at the left; ROOF_FUNCTION X
# prints the letter of the roof block over x, or nothing for open sky.
make_level() {  # make_level DIR NAME ROOF_FUNCTION
    mkdir -p "$1"
    echo "640 480 0 0" > "$1/config.txt"
    {
        echo "s 640 480 p 64 407"
        for x in $(seq 0 32 608); do
            echo "A $x 448"
            letter=$($3 "$x")
            [ -n "$letter" ] && echo "$letter $x 128"
        done
        echo "!"
    } > "$1/$2"
}
open_sky() { :; }
brick_window() { if [ "$1" -ge 224 ] && [ "$1" -le 320 ]; then echo E; else echo U; fi; }
closed_roof() { echo U; }

solve() {  # solve DIR ARGS... -> status, out, err, took (whole seconds)
    local dir=$1 begun
    shift
    begun=$(date +%s)
    (cd "$dir" && "$SOLVE" "$@" > "$work/out" 2> "$work/err")
    status=$?
    took=$(($(date +%s) - begun))
}

last_trace_blocks() { tail -2 "$1" | head -1 | awk '{print $27}'; }

# --- A ball one header from the top ---------------------------------------------------
make_level "$work/sky" level1 open_sky
solve "$work/sky" level1 --seconds 20
check "open sky: exit" 0 "$status"
check "open sky: summary first" "# headbot-solve: level 1 won in" "$(head -1 "$work/out" | cut -c1-31)"
check "open sky: one header" 1 "$(head -1 "$work/out" | grep -o '[0-9]* headers\?;' | cut -d' ' -f1)"
check "open sky: solved within seconds" 1 "$((took <= 5))"
check "open sky: headbot-sim wins" "won" \
    "$("$SIM" -C "$work/sky" --level 1 --input "$work/out" | tail -1 | cut -d' ' -f2)"

# --- A ball that must break a brick of the roof first ----------------------------------
make_level "$work/bricks" level1 brick_window
solve "$work/bricks" "$work/bricks/level1"
check "bricks: exit" 0 "$status"
check "bricks: solved within seconds" 1 "$((took <= 5))"
"$SIM" -C "$work/bricks" --level 1 --input "$work/out" --trace > "$work/trace"
check "bricks: headbot-sim wins" "won" "$(tail -1 "$work/trace" | cut -d' ' -f2)"
check "bricks: a brick broke on the way" 1 "$(($(last_trace_blocks "$work/trace") < 20))"

# --- A roof with no gap: refused in its time, not a hang --------------------------------
make_level "$work/closed" level1 closed_roof
solve "$work/closed" level1 --seconds 2
check "closed roof: exit" 1 "$status"
check "closed roof: nothing on standard output" "" "$(cat "$work/out")"
check "closed roof: says so" 1 "$(grep -c 'no win found' "$work/err")"
check "closed roof: ends in its time" 1 "$((took <= 4))"
# progress at most a few times a second
check "closed roof: progress lines" 1 "$(($(grep -c 'states tried' "$work/err") <= 8))"

# --- The fastest mode: searches its whole time, each win faster, prints the fastest ------
solve "$work/bricks" level1 --fastest --seconds 4
check "fastest: exit" 0 "$status"
check "fastest: searches its time" 1 "$((took >= 3))"
wins=$(grep -o 'a win in [0-9]* frames' "$work/err" | cut -d' ' -f4)
check "fastest: reports its wins" 1 "$(($(echo "$wins" | wc -w) >= 1))"
check "fastest: each win faster" "$(echo "$wins" | sort -rn -u)" "$wins"
said=$(head -1 "$work/out" | grep -o 'won in [0-9]*' | cut -d' ' -f3)
check "fastest: the summary names the fastest" "$(echo "$wins" | tail -1)" "$said"
check "fastest: headbot-sim wins in those frames" "won frames=$said" \
    "$("$SIM" -C "$work/bricks" --level 1 --input "$work/out" | tail -1 | cut -d' ' -f2-3)"
solve "$work/closed" level1 --fastest --seconds 2
check "fastest, closed roof: no win" 1 "$status"
check "fastest, closed roof: nothing printed" "" "$(cat "$work/out")"

# --- The level number comes from the file's name, or from --level ----------------------
cp "$work/sky/level1" "$work/sky/boss1"
solve "$work/sky" boss1 --seconds 20
check "boss1 by name: level 4" "level 4 won" "$(head -1 "$work/out" | grep -o 'level [0-9] won')"
check "boss1 by name: headbot-sim wins" "won" \
    "$("$SIM" -C "$work/sky" --level 4 --input "$work/out" | tail -1 | cut -d' ' -f2)"
solve "$work/sky" boss1 --level 6 --seconds 20
check "--level 6: level 6" "level 6 won" "$(head -1 "$work/out" | grep -o 'level [0-9] won')"

# --- Bad input: one line on standard error, status 2, no script -------------------------
for args in "" "nothere" "." "level1 --level 0" "level1 --level 8" "level1 --level x" \
            "level1 --level" "level1 --seconds 0" "level1 --seconds -3" "level1 --seconds abc" \
            "level1 --seconds nan" "level1 --seconds inf" "level1 --seconds 1e999" \
            "level1 --bogus" "level1 level1"; do
    solve "$work/sky" $args
    check "bad input [$args]: exit" 2 "$status"
    check "bad input [$args]: one line" 1 "$(wc -l < "$work/err")"
    check "bad input [$args]: no script" "" "$(cat "$work/out")"
done

echo "solve: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
