#!/usr/bin/env bash
# Frame pacing of the real game under a private Xvfb: builds it with the
# frame log, plays level 1 walking right and left for SECONDS (default 60)
# with the shipped config.txt, and prints the median and 99th percentile of
# the frame period.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-pacing -DHEADBOT_FRAME_LOG=ON >/dev/null
cmake --build build-pacing -j "$(nproc)" --target headbot game_files game_art >/dev/null
work=$(mktemp -d)
cp -r build-pacing/game "$work/game"
rm -f "$work/game/saved"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until grep -q '^[0-9]' "$work/display"; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
(cd "$work/game" && ./headbot >/dev/null 2>&1) &
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
        printf "frames %d, mean %.1f fps\n", NR, NR / (sum / 1e6)
        printf "period: median %d us, 99th percentile %d us (%.1f%% above the median), max %d us\n",
               med, p99, 100 * (p99 - med) / med, t[NR]
    }'
