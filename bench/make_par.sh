#!/usr/bin/env bash
# Makes each shipped level's par script in data/par/: the fastest win among
# the recorded solution (data/solutions/), the par script already there, and
# the scripts named after the level in each CANDIDATE_DIR (headbot-solve
# --fastest outputs, hand improvements). Every candidate is played through
# headbot-sim; only wins count. The whole game's par is the levels' pars one
# after another (a level's recorded solution where its par misses, coming
# from the level before), or the recorded whole-game solution when faster.
#   bench/make_par.sh [CANDIDATE_DIR...]
# With POLISH=1 the fastest is then polished: its holds shortened one at a
# time while it still wins, sooner. ONLY="level3 boss1" remakes those alone.
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

# Shortens the holds of a winning script one at a time, keeping each cut
# that still wins in fewer frames, until none does: the small slack a search
# or a player leaves between two key changes.
polish() {  # polish LEVEL SCRIPT -> the polished script, in place
    local level=$1 script=$2 frames improved=1 n i cut try_frames
    frames=$(frames_of "$level" "$script")
    grep -v '^#' "$script" >"$work/polish.keys"
    n=$(wc -l <"$work/polish.keys")
    while ((improved)); do
        improved=0
        for ((i = 1; i < n; i++)); do
            for cut in 16 8 4 2 1; do
                awk -v i="$i" -v cut="$cut" 'NR == i { if ($1 <= cut) next; $1 -= cut } { print }' \
                    "$work/polish.keys" >"$work/polish.try"
                try_frames=$(frames_of "$level" "$work/polish.try")
                if [[ -n $try_frames ]] && ((try_frames < frames)); then
                    frames=$try_frames improved=1
                    mv "$work/polish.try" "$work/polish.keys"
                    n=$(wc -l <"$work/polish.keys")
                fi
            done
        done
    done
    cp "$work/polish.keys" "$script"
}

level=0
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    level=$((level + 1))
    [[ -z ${ONLY:-} || " $ONLY " == *" $name "* ]] || continue
    best="" best_frames="" best_from=""
    for candidate in "data/par/$name.keys" "data/solutions/$name.keys" "${@/%//$name.keys}"; do
        [[ -f $candidate ]] || continue
        frames=$(frames_of "$level" "$candidate")
        [[ -n $frames ]] || { echo "$name: $candidate does not win" >&2; continue; }
        if [[ -z $best_frames ]] || ((frames < best_frames)); then
            best=$candidate best_frames=$frames
            case $candidate in
                data/solutions/*) best_from="the recorded solution $candidate" ;;
                data/par/*) best_from="" ;;  # kept as it is
                *) best_from="headbot-solve --fastest, $(grep -o 'searched [0-9.]* s' "$candidate" | head -1)" ;;
            esac
        fi
    done
    [[ -n $best ]] || { echo "$name: no winning script" >&2; continue; }
    if [[ ${POLISH:-0} == 1 ]]; then
        grep -v '^#' "$best" >"$work/$name.polished"
        polish "$level" "$work/$name.polished"
        frames=$(frames_of "$level" "$work/$name.polished")
        if ((frames < best_frames)); then
            echo "$name: polished from $best_frames to $frames frames"
            [[ -n $best_from ]] || best_from=$(sed -n 's/^# from: //p' "$best")
            best=$work/$name.polished best_frames=$frames
            best_from="$best_from; holds shortened by bench/make_par.sh"
        fi
    fi
    if [[ -n $best_from ]]; then
        write_par "data/par/$name.keys" "level $level" "$best_frames" "$best_from" "$best" "--level $level"
    fi
    echo "$name: par $best_frames frames"
done

# the whole game: the levels' pars in a row, each cut at its winning frame,
# played as the game plays them. The robot comes into a level as the last
# one left it, not at rest: where a par then misses, a few frames of
# waiting at the level's start are tried, the fewest that win.
cut_script() {  # cut_script LEVEL SCRIPT -> its lines up to its winning frame
    grep -v '^#' "$2" | awk -v left="$(frames_of "$1" "$2")" '
        left > 0 { n = $1 < left ? $1 : left; print n, $2; left -= n }'
}
: >"$work/full-game.keys"
level=0
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    level=$((level + 1))
    found=""
    # the par first; where it misses, the recorded solution
    for script in "data/par/$name.keys" "data/solutions/$name.keys"; do
        for wait in $(seq 0 40); do
            { cat "$work/full-game.keys"; ((wait == 0)) || echo "$wait -"; cut_script "$level" "$script"; } \
                >"$work/try.keys"
            if [[ -n $(frames_of 1 "$work/try.keys" "$level") ]]; then found=$script; break 2; fi
        done
    done
    if [[ -z $found ]]; then
        echo "full-game: neither $name's par nor its solution wins coming from the level before" >&2
        : >"$work/full-game.keys"
        break
    fi
    [[ $found == data/par/* ]] || echo "full-game: $name played by its recorded solution" >&2
    mv "$work/try.keys" "$work/full-game.keys"
done
source="the seven levels' pars (or their recorded solutions) in a row, each after the fewest frames of waiting that win"
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
