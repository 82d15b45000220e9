#!/usr/bin/env bash
# The sound effects as a player hears them, captured through an ALSA device
# that writes to a file:
#  - the built WAV files are short 16-bit mono PCM, as their sources make them;
#  - in the real game, with no music, a jump and a header are heard at the
#    frames in which they happen, and a missing effect file changes nothing
#    but its own sound;
#  - over the loudest tune, every effect peaks at least 6 dB above the
#    music's RMS in its window and is heard in the mix, two effects of one
#    frame both sound, and between effects the music is as loud as without
#    any (within 1 dB).
source "$(dirname "$0")/game_support.sh"

HERE=$(cd "$(dirname "$0")" && pwd)
SOURCE_DIR=${SOURCE_DIR:-$(cd "$HERE/../.." && pwd)}
EFFECTS=(jump header block stomp hurt ball_lost level_won game_over mushroom)
BYTES_PER_SECOND=176400  # what Allegro hands ALSA: 44100 frames of two 16-bit samples

# --- The WAV files ----------------------------------------------------------

for name in "${EFFECTS[@]}"; do
    wav="$GAME_DIR/$name.wav"
    [[ -s "$wav" ]] || fail "$wav was not built"
    # RIFF, WAVE, a 16-byte PCM format chunk: mono, 44100 Hz, 16 bits
    header=$(head -c 44 "$wav" | od -An -tx1 | tr -d ' \n')
    # then 88200 bytes a second, 2 a sample, and the data chunk
    [[ ${header:0:8} == 52494646 &&
        ${header:16:64} == 57415645666d7420100000000100010044ac0000885801000200100064617461 ]] ||
        fail "$name.wav is not 16-bit mono PCM at 44100 Hz: $header"
    bytes=$(stat -c %s "$wav")
    data=$((16#${header:86:2}${header:84:2}${header:82:2}${header:80:2}))
    ((data == bytes - 44)) || fail "$name.wav holds $((bytes - 44)) data bytes but says $data"
    # short enough not to drown what follows, long enough to be heard
    ((data >= 88200 * 5 / 100 && data <= 88200 * 12 / 10)) ||
        fail "$name.wav lasts $((data * 1000 / 88200)) ms, not 50 to 1200"
    "$BUILD_DIR/mksound" "$SOURCE_DIR/data/sounds/$name.sfx" "$SCRATCH/again.wav" ||
        fail "mksound cannot remake $name.wav"
    cmp -s "$wav" "$SCRATCH/again.wav" || fail "$name.wav differs from what its source makes now"
done

# A source that cannot be read stops mksound with one line naming it.
if "$BUILD_DIR/mksound" "$SCRATCH/missing.sfx" "$SCRATCH/x.wav" 2>"$SCRATCH/err"; then
    fail "mksound made a sound of a missing source"
fi
[[ $(wc -l <"$SCRATCH/err") == 1 ]] && grep -q "missing.sfx" "$SCRATCH/err" ||
    fail "mksound's message for a missing source: $(cat "$SCRATCH/err")"
[[ ! -e "$SCRATCH/x.wav" ]] || fail "mksound left a file for a missing source"

c++ -std=c++17 -O2 "$HERE/sound_probe.cpp" -o "$SCRATCH/sound_probe" || fail "cannot build sound_probe"
probe() { "$SCRATCH/sound_probe" "$@"; }
start_xvfb
copy_game
printf '[graphics]\ngfx_card = XWIN\n[sound]\nalsa_fragsize = 441\n' >"$GAME/allegro.cfg"

# An ALSA configuration whose default device writes to the file $2.
alsa_to_file() {
    printf 'pcm.!default { type file; slave { pcm { type null } } file "%s" format "raw" }\n' "$2" >"$1"
}

# --- The balance, measured meanwhile on captures of sound_mix ----------------
# A: the loudest tune alone, as the game played it before it had effects;
# B: the tune with the effects; C: the effects alone. Run side by side.

MIX="$SCRATCH/mix"
mkdir "$MIX"
cp "$GAME"/* "$MIX"/
cp "$BUILD_DIR/sound_mix" "$MIX/"
mix_pids=()
for run in A:SMWL1FZero.mid:none B:SMWL1FZero.mid:effects C:none:effects; do
    IFS=: read -r name tune effects <<<"$run"
    alsa_to_file "$MIX/$name.conf" "$MIX/$name.raw"
    (cd "$MIX" && ALSA_CONFIG_PATH="$MIX/$name.conf" timeout 90 ./sound_mix "$MIX/$name.raw" "$tune" "$effects" \
        >"$name.out" 2>"$name.err") &
    mix_pids+=($!)
done

# --- A jump and a header in the real game -------------------------------------
# Level 1 becomes a floor with the robot 59 pixels above it and the ball 100
# above the robot. With Up held from the first frame the robot jumps as it
# lands in frame 48, heads the ball in frame 78, jumps again in 114 and 252,
# and the ball leaves through the top in frame 279 (as headbot-sim, asked
# first, confirms). The tunes are taken away, so that nothing but
# the effects is heard; so is the mushroom's sound, which this level never
# needs.
{
    echo "s 6000 400"
    echo "p 100 300"
    for ((x = 0; x < 640; x += 32)); do echo "A $x 400"; done
    echo "!"
} >"$GAME/level1"
rm -f "$GAME"/*.mid "$GAME/mushroom.wav"
mkdir "$SCRATCH/sim"
cp "$GAME/level1" "$GAME/config.txt" "$SCRATCH/sim/"
echo "400 U" | "$BUILD_DIR/headbot-sim" -C "$SCRATCH/sim" --level 1 --input - --trace --frames 400 >"$SCRATCH/trace"
# jumps (the accumulator set to -60), the ball turned by the head, the end
sim_frames=$(awk '!/^#/ && !/^result/ && ($6 == -60 && $7 == 30 || $14 != vx + 0 || $29) { print $1 } { vx = $14 }' \
    "$SCRATCH/trace" | xargs)
[[ "$sim_frames" == "48 78 114 252 279" ]] || fail "headbot-sim plays the test level differently: $sim_frames"

CAPTURE="$SCRATCH/game.raw"
alsa_to_file "$SCRATCH/game.conf" "$CAPTURE"
export ALSA_CONFIG_PATH="$SCRATCH/game.conf"
start_game 60
find_window
wait_for_picture title.bmp 20 GAMEOVER.bmp
timeout 10 xdotool keydown Up  # leaves the title and stays held
deadline=$((SECONDS + 20))
until (($(probe "$CAPTURE" onsets | wc -l) >= 5)); do
    ((SECONDS < deadline)) || fail "fewer than 5 sounds heard in 20 s: $(probe "$CAPTURE" onsets | xargs)"
    sleep 0.3
done
timeout 10 xdotool keyup Up
unset ALSA_CONFIG_PATH
end_with_esc
grep -v '^ALSA lib' "$GAME/stderr" | grep -q . && fail "the game wrote to stderr: $(cat "$GAME/stderr")"

mapfile -t onsets < <(probe "$CAPTURE" onsets | head -n5)
echo "heard at ${onsets[*]} s of the capture"
# The frame period from the first sound to the fifth; then each sound must
# come within 3 frames of where its frame puts it.
period=$(awk -v a="${onsets[0]}" -v b="${onsets[4]}" 'BEGIN { printf "%.5f", (b - a) / (279 - 48) }')
awk -v p="$period" 'BEGIN { exit !(p > 0.009 && p < 0.03) }' || fail "a frame every $period s?"
frames=(48 78 114 252 279)
for i in 1 2 3; do
    awk -v t="${onsets[$i]}" -v t0="${onsets[0]}" -v p="$period" -v f="${frames[$i]}" \
        'BEGIN { d = (t - t0) / p + 48 - f; exit !(d < 3 && d > -3) }' ||
        fail "sound $((i + 1)) at ${onsets[$i]} s, not within 3 frames of frame ${frames[$i]} (a frame is $period s)"
done
# which sound each one is, by its pitch at the start: the jump glides up
# from 280 Hz, the header knocks at 990 Hz, the win starts at 587 Hz
pitch_at() { probe "$CAPTURE" pitch "$(awk -v t="$1" 'BEGIN { print t + 0.005 }')" 0.03; }
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
for i in 0 2 3; do
    hz=$(pitch_at "${onsets[$i]}")
    within "$hz" 260 400 || fail "the sound of frame ${frames[$i]} is at $hz Hz, not a jump's"
done
hz=$(pitch_at "${onsets[1]}")
within "$hz" 940 1040 || fail "the sound of frame 78 is at $hz Hz, not a header's"
hz=$(pitch_at "${onsets[4]}")
within "$hz" 560 615 || fail "the sound of frame 279 is at $hz Hz, not a won level's"
echo "jump, header, jump, jump, won: a frame every $period s, each within 3 frames"

# --- The balance ----------------------------------------------------------------

for i in "${!mix_pids[@]}"; do
    wait "${mix_pids[$i]}" || fail "sound_mix run $i failed: $(grep -v '^ALSA lib' "$MIX"/*.err)"
done
A="$MIX/A.raw" B="$MIX/B.raw" C="$MIX/C.raw"
at() { awk -v n="$1" '$1 == n { print $2 }' "$MIX/$2.out"; }
length_of() { awk -v s="$(stat -c %s "$GAME_DIR/$1.wav")" 'BEGIN { print (s - 44) / 88200 }'; }
# B's times on A's clock: the tune starts where each capture's sound begins
shift=$(awk -v a="$(probe "$A" onsets | head -n1)" -v b="$(probe "$B" onsets | head -n1)" 'BEGIN { print a - b }')
names=(jump header block_broken spider_stomped hurt ball_lost level_won game_over mushroom_bounce)
gap_from=$(awk -v s="$(probe "$B" onsets | head -n1)" 'BEGIN { print s + 0.2 }')
for i in "${!names[@]}"; do
    t=$(at "${names[$i]}" B)
    c=$(at "${names[$i]}" C)
    window=$(awk -v l="$(length_of "${EFFECTS[$i]}")" 'BEGIN { print l + 0.1 }')
    ta=$(awk -v t="$t" -v s="$shift" 'BEGIN { print t + s }')
    music=$(probe "$A" rms "$ta" "$window")
    sound=$(probe "$C" peak "$c" "$window")
    mixed=$(probe "$B" rms "$t" "$window")
    echo "  ${names[$i]}: peak $sound dBFS over music at $music dBFS RMS; the mix $mixed dBFS"
    awk -v s="$sound" -v m="$music" 'BEGIN { exit !(s >= m + 6) }' ||
        fail "${names[$i]} peaks at $sound dBFS, less than 6 dB over the music's $music dBFS"
    awk -v x="$mixed" -v m="$music" 'BEGIN { exit !(x >= m + 1.5) }' ||
        fail "${names[$i]} is not heard in the mix: $mixed dBFS against the music's $music"
    # the music alone since the sound before this one ended, with the
    # effects and without: summed over all the gaps below
    gap=$(awk -v a="$gap_from" -v t="$t" 'BEGIN { print t - a - 0.05 }')
    with=$(probe "$B" rms "$gap_from" "$gap")
    without=$(probe "$A" rms "$(awk -v a="$gap_from" -v s="$shift" 'BEGIN { print a + s }')" "$gap")
    echo "$gap $with $without" >>"$MIX/gaps"
    gap_from=$(awk -v t="$t" -v w="$window" 'BEGIN { print t + w + 0.1 }')
done
# a sound starts as its frame asks for it: the library's buffers delay it
# by no more than a few frames
latency=$(awk -v o="$(probe "$C" onsets | head -n1)" -v t="$(at jump C)" 'BEGIN { print o - t }')
awk -v l="$latency" 'BEGIN { exit !(l >= 0 && l <= 0.1) }' || fail "the jump sounds $latency s after it was played"
echo "a sound is heard $latency s after its frame plays it"
# two sounds of one frame: together as loud as both, not as one of them
p=$(at pair C)
pair=$(probe "$C" rms "$p" 0.3)
jump=$(probe "$C" rms "$(at jump C)" 0.3)
header=$(probe "$C" rms "$(at header C)" 0.3)
awk -v p="$pair" -v a="$jump" -v b="$header" 'BEGIN {
    both = 10 * log(10 ^ (a / 10) + 10 ^ (b / 10)) / log(10); exit !(p > both - 1 && p < both + 1) }' ||
    fail "a jump and a header in one frame sound at $pair dBFS; apart $jump and $header"
echo "a jump and a header together: $pair dBFS (apart $jump and $header)"
end=$(awk -v p="$(at pair B)" 'BEGIN { print p + 0.5 }')
with=$(probe "$B" rms "$end" 1.4)
without=$(probe "$A" rms "$(awk -v e="$end" -v s="$shift" 'BEGIN { print e + s }')" 1.4)
echo "1.4 $with $without" >>"$MIX/gaps"
read -r seconds with without < <(awk '{ t += $1; x += $1 * 10 ^ ($2 / 10); y += $1 * 10 ^ ($3 / 10) }
    END { printf "%.2f %.2f %.2f\n", t, 10 * log(x / t) / log(10), 10 * log(y / t) / log(10) }' "$MIX/gaps")
awk -v x="$with" -v y="$without" 'BEGIN { d = x - y; exit !(d < 1 && d > -1) }' ||
    fail "between the effects the music is at $with dBFS, without them at $without ($(xargs <"$MIX/gaps"))"
echo "music between effects ($seconds s in all): $with dBFS, without effects $without dBFS"
echo "ok"
