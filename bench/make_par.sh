#!/usr/bin/env bash
# Makes each shipped level's par script in data/par/: the fastest win among
# the recorded solution (data/solutions/), the par script already there, and
# the scripts named after the level in each CANDIDATE_DIR (headbot-solve
# --fastest outputs, hand improvements). Every candidate is played through
# headbot-sim; only wins count. The whole game's par is the levels' pars one
# after another, kept when it wins the whole game.
#   bench/make_par.sh [CANDIDATE_DIR...]
# The searches themselves, as long as you like, e.g. ten minutes a level:
#   nice -n 10 build/headbot-solve DIR/level3 --fastest --seconds 600 > CANDIDATES/level3.keys
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j2 --target headbot-sim game_files >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/levels/* data/config.txt "$work/"
mkdir -p data/par

frames_of() {  # frames_of LEVEL SCRIPT [LEVELS] -> the winning frame count, or nothing
    build/headbot-sim -C "$work" --level "$1" --levels "${3:-1}" --input "$2" 2>/dev/null |
        tail -1 | sed -n 's/^result: won frames=\([0-9]*\).*/\1/p'
}

write_par() {  # write_par FILE LEVEL_TEXT FRAMES SOURCE SCRIPT REPLAY_ARGS
    {
        echo "# par: $2 won in $3 frames ($(awk -v f="$3" 'BEGIN { printf "%.2f", f / 95 }') s at 95 frames a second)"
        echo "# from: $4"
        echo "# replay: headbot-sim $6 --input THIS_FILE"
        grep -v '^#' "$5"
    } >"$work/par.new"
    mv "$work/par.new" "$1"
}

level=0
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    level=$((level + 1))
    best="" best_frames="" best_from=""
    for candidate in "data/solutions/$name.keys" "data/par/$name.keys" "${@/%//$name.keys}"; do
        [[ -f $candidate ]] || continue
        frames=$(frames_of "$level" "$candidate")
        [[ -n $frames ]] || { echo "$name: $candidate does not win" >&2; continue; }
        if [[ -z $best_frames ]] || ((frames < best_frames)); then
            best=$candidate best_frames=$frames best_from=$candidate
        fi
    done
    [[ -n $best ]] || { echo "$name: no winning script" >&2; continue; }
    if [[ $best != "data/par/$name.keys" ]]; then
        from=$best_from
        [[ $from == data/solutions/* ]] && from="the recorded solution $from"
        [[ $from != data/* ]] && from="headbot-solve --fastest ($(head -1 "$best" | grep -o 'searched [0-9.]* s' || echo 'by hand'))"
        write_par "data/par/$name.keys" "level $level" "$best_frames" "$from" "$best" "--level $level"
    fi
    echo "$name: par $best_frames frames"
done

# the whole game: the levels' pars in a row, each cut at its winning frame,
# played as the game plays them. The robot comes into a level as the last
# one left it, not at rest: where a par then misses, a few frames of
# waiting at the level's start are tried, the fewest that win.
cut_par() {  # cut_par LEVEL NAME -> the par's lines up to its winning frame
    grep -v '^#' "data/par/$2.keys" | awk -v left="$(frames_of "$1" "data/par/$2.keys")" '
        left > 0 { n = $1 < left ? $1 : left; print n, $2; left -= n }'
}
: >"$work/full-game.keys"
level=0
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    level=$((level + 1))
    found=""
    for wait in $(seq 0 40); do
        { cat "$work/full-game.keys"; ((wait == 0)) || echo "$wait -"; cut_par "$level" "$name"; } >"$work/try.keys"
        if [[ -n $(frames_of 1 "$work/try.keys" "$level") ]]; then found=$wait; break; fi
    done
    [[ -n $found ]] || { echo "full-game: the par of $name misses when the robot comes from the level before" >&2; break; }
    mv "$work/try.keys" "$work/full-game.keys"
done
source="the seven levels' pars in a row"
frames=$(frames_of 1 "$work/full-game.keys" 7)
recorded=$(frames_of 1 data/solutions/full-game.keys 7)
if [[ -n $recorded ]] && { [[ -z $frames ]] || ((recorded < frames)); }; then
    cp data/solutions/full-game.keys "$work/full-game.keys"
    frames=$recorded source="the recorded solution data/solutions/full-game.keys"
fi
if [[ -n $frames ]]; then
    write_par data/par/full-game.keys "the whole game" "$frames" "$source" "$work/full-game.keys" \
        "--level 1 --levels 7"
    echo "full-game: par $frames frames"
fi
