#!/usr/bin/env bash
# Frame pacing of the real game under a private Xvfb of 3840 by 2160: builds
# it with the frame log and everything the shipped game has (pictures, tunes,
# the patch index, sound effects), plays level 1 walking right and left for
# SECONDS (default 60) with the shipped config.txt's first four numbers, the
# window enlarged by FACTOR (default 1) and the music playing through ALSA
# into a file, and prints the median and 99th percentile of the frame period.
#   bench/pacing.sh 60 1; bench/pacing.sh 60 2; bench/pacing.sh 60 4
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
factor=${2:-1}
cmake -S . -B build-pacing -DHEADBOT_FRAME_LOG=ON >/dev/null
cmake --build build-pacing -j "$(nproc)" --target headbot game_files game_art game_music game_sounds >/dev/null
work=$(mktemp -d)
cp -r build-pacing/game "$work/game"
rm -f "$work/game/saved"
read -r width height delay skip _ <data/config.txt
echo "$width $height $delay $skip $factor 0" >"$work/game/config.txt"

# Everything a player's game folder has: without the tunes and the patch
# index the synthesizer would sit idle and the pacing would not be theirs.
pictures=(title.bmp GAMEOVER.bmp robot1.bmp robot.bmp ground.bmp doubleblock.bmp block2.bmp
          block.bmp mushroom.bmp anti.bmp spider.bmp boss1.bmp)
tunes=(SMWL1FZero.mid Yiboss2.mid tune3.mid Boss2.mid)
sounds=(jump.wav header.wav block.wav stomp.wav hurt.wav ball_lost.wav level_won.wav game_over.wav
        mushroom.wav)
for file in "${pictures[@]}" "${tunes[@]}" "${sounds[@]}" default.cfg config.txt allegro.cfg \
            level1 level2 level3 boss1 level5 level6 boss2; do
    [[ -s "$work/game/$file" ]] ||
        { echo "pacing: the game folder has no $file (default.cfg needs freepats)" >&2; exit 1; }
done
patches=$(awk '$1 ~ /^[0-9]+$/ && $2 != "begin_multipatch"' "$work/game/default.cfg" | wc -l)
echo "game folder: ${#pictures[@]} pictures, ${#tunes[@]} tunes, ${#sounds[@]} sound effects," \
     "patch index of $patches patches," \
     "config.txt \"$(tr -s ' \n' ' ' <"$work/game/config.txt" | sed 's/ $//')\""

# The music goes to ALSA's file device. Its null sink takes sound as fast as
# it comes unless the library hands it 10 ms at a time, as a sound card would
# take it.
capture="$work/capture.raw"
printf 'pcm.!default { type file; slave { pcm { type null } } file "%s" format "raw" }\n' \
    "$capture" >"$work/asound.conf"
export ALSA_CONFIG_PATH="$work/asound.conf"
printf '[sound]\nalsa_fragsize = 441\n' >>"$work/game/allegro.cfg"
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until grep -q '^[0-9]' "$work/display"; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
(cd "$work/game" && ./headbot >/dev/null 2>"$work/stderr") &
game=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Headbot$' | head -n1)
sleep 1
xdotool windowfocus --sync "$window"
xdotool keydown space; sleep 0.1; xdotool keyup space
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
    xdotool keydown Right; sleep 3; xdotool keyup Right
    xdotool keydown Left; sleep 3; xdotool keyup Left
done
xdotool keydown Escape; sleep 0.3
wait "$game" || true
xdotool keyup Escape
sort -n "$work/game/frame_times.txt" | awk '
    { t[NR] = $1; sum += $1 }
    END {
        med = t[int(NR * 0.5)]; p99 = t[int(NR * 0.99)]
        printf "factor '"$factor"': frames %d, mean %.1f fps\n", NR, NR / (sum / 1e6)
        printf "period: median %d us, 99th percentile %d us (%.1f%% above the median), max %d us\n",
               med, p99, 100 * (p99 - med) / med, t[NR]
    }'

# The sound the game made while it was measured: 44100 frames a second of two
# 16-bit samples. Silence (or no sound at all) means the music was not playing.
bytes=$(stat -c %s "$capture" 2>/dev/null || echo 0)
rms=$(sox -t raw -r 44100 -e unsigned-integer -b 16 -c 2 -L "$capture" -n stats 2>&1 |
      awk '/^RMS lev dB/ { print $4 }')
echo "music: $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 176400 }') s of sound" \
     "through ALSA's file device, RMS level ${rms:-none} dBFS"
if [[ ! "$rms" =~ ^-?[0-9.]+$ ]] || awk -v r="$rms" 'BEGIN { exit !(r < -60) }'; then
    echo "pacing: the music did not play; the game said:" >&2
    grep -v '^ALSA lib' "$work/stderr" >&2 || true
    exit 1
fi
