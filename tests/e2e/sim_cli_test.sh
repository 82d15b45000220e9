#!/usr/bin/env bash
# headbot-sim's command line, key scripts and trace format. Needs SIM; GAME_DIR
# (the game's data folder) is only read, copied into a temp dir.
source "$(dirname "$0")/sim_support.sh"

# Every line but the header and the result has 30 integer columns.
bad_trace_lines() {
    awk 'NR == 1 { next } /^result: / { next }
         { bad = (NF != 30); for (i = 1; i <= NF; i++) if ($i !~ /^-?[0-9]+$/) bad = 1;
           if (bad) n++ } END { print n + 0 }' "$1"
}

# A level whose robot stands still on a floor; the ball never moves.
mkdir -p "$work/start/game"
echo "p 100 459 A 96 500 A 128 500 !" > "$work/start/game/level1"

# --- Malformed key scripts: exit 2 and the line number ---------------------------
run_script() {  # run_script CONTENT -> sets status and err
    printf '%b' "$1" > "$work/keys"
    (cd "$work/start/game" && "$SIM" --input "$work/keys" > "$work/out" 2> "$work/err")
    status=$?
}
for case in '10 R\n# fine\n\n5 X\n:4' '0 R\n:1' '10\n:1' '3 R\nR 10\n:2' '2 RU extra\n:1' \
            '  # note\n1 -\n-1 L\n:3' '1.5 R\n:1' '7 -R\n:1'; do
    content=${case%:*}
    line=${case##*:}
    run_script "$content"
    check "script [$content]: exit" 2 "$status"
    grep -q "line $line\b" "$work/err"
    check "script [$content]: names line $line ($(head -c 200 "$work/err"))" 0 $?
    check "script [$content]: no result" "" "$(cat "$work/out")"
done
run_script '\n  \n# only comments\n3 LRU\n2 -\n  4   UL  \n'
check "valid script: exit" 0 "$status"
check "valid script: result" "result: stopped frames=100000 level=1" "$(cat "$work/out")"

# --- Bad arguments: exit 2 --------------------------------------------------------
for args in "--bogus" "--frames" "--frames x" "--levels 0" "--level 0" "-C $work/none" \
            "--input $work/none.keys" "--input $work"; do
    (cd "$work/start/game" && "$SIM" $args > "$work/out" 2> "$work/err")
    check "args [$args]: exit" 2 $?
    check "args [$args]: says why" 1 "$([ -s "$work/err" ] && echo 1 || echo 0)"
done

# --- -C DIR, with a relative --input from the starting directory -----------------
# The script in the starting directory holds Right for 10 frames; a malformed
# file of the same name in DIR must not be the one read.
printf '10 R\n' > "$work/start/keys"
printf 'not a script\n' > "$work/start/game/keys"
(cd "$work/start" && "$SIM" -C game --input keys --frames 12 --trace > "$work/out" 2> "$work/err")
check "-C: exit" 0 $?
check "-C: walked 10 frames" "120 120" "$(awk '$1 == 10 || $1 == 12 { print $3 }' "$work/out" | xargs)"
check "-C: saved in DIR" "1 0" "$([ -e "$work/start/game/saved" ] && echo 1 || echo 0) \
$([ -e "$work/start/saved" ] && echo 1 || echo 0)"
# the same from standard input
(cd "$work/start" && printf '4 L\n' | "$SIM" -C game --input - --frames 4 --trace > "$work/out")
check "stdin: walked left" "92" "$(awk '$1 == 4 { print $3 }' "$work/out")"

# --- Trace format --------------------------------------------------------------------
(cd "$work/start/game" && "$SIM" --frames 30 --trace > "$work/out")
header=$(head -n 1 "$work/out")
check "header starts with #" "#" "${header:0:1}"
check "header names 30 columns" 31 "$(echo "$header" | wc -w)"
check "header names" "frame level px py" "$(echo "$header" | cut -d' ' -f2-5)"
check "trace lines" 32 "$(wc -l < "$work/out")"
check "columns" 0 "$(bad_trace_lines "$work/out")"
check "frames counted from 1" "1 30" "$(sed -n '2p;31p' "$work/out" | cut -d' ' -f1 | xargs)"
check "result last" "result: stopped frames=30 level=1" "$(tail -n 1 "$work/out")"
(cd "$work/start/game" && "$SIM" --frames 30 > "$work/out")
check "no trace: result alone" "result: stopped frames=30 level=1" "$(cat "$work/out")"

# --- The game's own levels: each runs, and its trace is well formed --------------
if [ -n "${GAME_DIR:-}" ] && [ -e "$GAME_DIR/level1" ]; then
    mkdir "$work/game"
    for f in config.txt level1 level2 level3 boss1 level5 level6 boss2; do
        [ -e "$GAME_DIR/$f" ] && cp "$GAME_DIR/$f" "$work/game/"
    done
    printf '200 R\n30 RU\n300 R\n' > "$work/walk"
    for level in 1 2 3 4 5 6 7; do
        (cd "$work/game" && "$SIM" --level "$level" --frames 600 --input "$work/walk" --trace \
            > "$work/out" 2> "$work/err")
        check "game level $level: exit" 0 $?
        check "game level $level: columns" 0 "$(bad_trace_lines "$work/out")"
        tail -n 1 "$work/out" | grep -Eq '^result: (won|over|stopped) frames=[0-9]+ level=[0-9]+$'
        check "game level $level: result line" 0 $?
    done
else
    echo "GAME_DIR not set or without level files: the game's own levels are not run"
fi

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
