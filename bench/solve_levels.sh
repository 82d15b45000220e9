#!/usr/bin/env bash
# Solves every shipped level with headbot-solve and prints, per level, the
# search's time and peak memory, the script's frames, key changes a second
# and shortest hold, beside the frames of the recorded solution. Each script
# is played through headbot-sim to check it wins.
#   bench/solve_levels.sh [SECONDS] [LEVEL_DIR]
# LEVEL_DIR (default data/levels) holds files named as the game names them.
# With HEADBOT_SOLVE_FULL=1 it also runs a level that fills every table, to
# show the memory cap holding on the largest level a file can make.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x /usr/bin/time ] || { echo "solve_levels.sh: needs /usr/bin/time (apt-get install time)" >&2; exit 2; }
seconds=${1:-120}
levels=${2:-data/levels}
cmake -S . -B build >/dev/null
cmake --build build -j2 --target headbot-solve headbot-sim >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$levels"/* "$work/"
cp data/config.txt "$work/config.txt"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores"
echo
echo "| level | file | search (s) | peak memory (MiB) | script frames | headers | key changes a second | shortest hold | recorded solution frames |"
echo "|---|---|---:|---:|---:|---:|---:|---:|---:|"
# headbot-sim plays the file the game names for the level, in DIR
solve_one() {  # solve_one DIR FILE LEVEL
    local dir=$1 file=$2 level=$3 status=0 summary result recorded="-"
    /usr/bin/time -v build/headbot-solve "$dir/$file" --level "$level" --seconds "$seconds" \
        > "$work/$file.keys" 2> "$work/$file.err" || status=$?
    local rss wall
    rss=$(awk -F: '/Maximum resident/ {printf "%d", $2 / 1024}' "$work/$file.err")
    wall=$(awk '/Elapsed \(wall/ {print $NF}' "$work/$file.err")
    if [ "$status" -ne 0 ]; then
        echo "| $level | $file | $wall | $rss | no win found (status $status) | | | | |"
        return
    fi
    summary=$(head -1 "$work/$file.keys")
    result=$(build/headbot-sim -C "$dir" --level "$level" --input "$work/$file.keys" | tail -1)
    case "$result" in "result: won "*) ;; *) echo "| $level | $file | script does not win: $result |"; return ;; esac
    if [ -f "data/solutions/$file.keys" ]; then
        recorded=$(build/headbot-sim -C "$work" --level "$level" \
            --input "data/solutions/$file.keys" | tail -1 | sed 's/.*frames=\([0-9]*\).*/\1/')
    fi
    echo "$summary" | awk -v level="$level" -v file="$file" -v rss="$rss" -v rec="$recorded" '{
        for (i = 1; i <= NF; i++) {
            if ($i == "searched") secs = $(i + 1)
            if ($i == "won" && $(i + 1) == "in") frames = $(i + 2)
            if ($i == "headers;" || $i == "header;") headers = $(i - 1)
            if ($i == "changes") rate = substr($(i + 1), 2)
            if ($i == "hold") hold = $(i + 1)
        }
        printf "| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", level, file, secs, rss, frames, headers, rate, hold, rec
    }'
}
for entry in level1:1 level2:2 level3:3 boss1:4 level5:5 level6:6 boss2:7; do
    [ -f "$work/${entry%:*}" ] && solve_one "$work" "${entry%:*}" "${entry#*:}"
done

if [ "${HEADBOT_SOLVE_FULL:-0}" = 1 ]; then
    # every table full under a closed roof, played as level 6 (no boss to
    # fall out): it cannot be won, so the search runs its whole time and
    # fills its store of worlds to the cap
    mkdir "$work/full"
    cp data/config.txt "$work/full/"
    {
        echo "s 6016 1000 p 100 919"
        for i in $(seq 0 187); do echo "U $((i * 32)) 0"; done
        for i in $(seq 0 811); do echo "G $((i * 7)) $((i % 20 * 40 + 100))"; done
        for i in $(seq 0 999); do echo "A $((i * 32 % 5984)) 960"; done
        for i in $(seq 0 999); do echo "D $((i * 6)) 600"; done
        for i in $(seq 0 99); do echo "M $((i * 60)) 500"; done
        echo "!"
    } > "$work/full/level6"
    solve_one "$work/full" level6 6 | sed 's/| level6 |/| full table |/' 
fi
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
