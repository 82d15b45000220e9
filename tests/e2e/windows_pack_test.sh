#!/usr/bin/env bash
# A level pack given to headbot.exe under Wine, as a Windows player drops one
# on it: the game makes packs\KEY beside itself with copies of the shipped
# data and the pack's levels, shows the pack's title, and keeps the pack's
# "saved" there; the player's own folder gets no "saved". A bad pack is
# refused with a non-zero status and nothing made. Needs BUILD_DIR.
source "$(dirname "$0")/windows_support.sh"
GAME_DIR="$WIN_GAME"
source "$(dirname "$0")/game_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"

start_xvfb
copy_game
ELSEWHERE="$SCRATCH/downloads"   # where the player saved the pack
mkdir -p "$ELSEWHERE"
cp "$SOURCE_DIR/data/packs/garden.headbot" "$ELSEWHERE/"
RUN="$SCRATCH/run"
mkdir -p "$RUN"

# --- a bad pack: one line naming it, a non-zero status, nothing made ------------
head -c 1000 "$ELSEWHERE/garden.headbot" >"$ELSEWHERE/cut.headbot"
status=0
(cd "$ELSEWHERE" && wine_run 60 "$GAME/headbot.exe" cut.headbot) >"$RUN/bad.out" 2>"$RUN/bad.err" || status=$?
((status != 124 && status != 137)) || fail "headbot.exe given a bad pack did not finish within 60 s"
((status != 0)) || fail "a pack cut short was played"
grep -q "cut.headbot: line .*cut short" "$RUN/bad.err" || fail "a pack cut short: $(cat "$RUN/bad.err")"
[[ $(grep -c . "$RUN/bad.err") == 1 ]] || fail "a pack cut short: expected one line, got: $(cat "$RUN/bad.err")"
[[ ! -e "$GAME/packs" ]] || fail "a bad pack made a folder"

# --- the example pack, played --------------------------------------------------------
(
    cd "$ELSEWHERE"
    set +e
    timeout -k 5 120 wine "$GAME/headbot.exe" garden.headbot >"$RUN/stdout" 2>"$RUN/stderr"
    echo $? >"$RUN/status"
) &
GAME_PID=$!
find_window
PACK_DIR=$(grep -l "Garden Steps" "$GAME"/packs/*/pack-title 2>/dev/null | xargs -r dirname)
[[ -n "$PACK_DIR" ]] || fail "no folder under packs holds the pack's title: $(ls -R "$GAME/packs" 2>&1 | head)"

wait_for_pack_title 60
[[ ! -e "$PACK_DIR/saved" ]] || fail "\"saved\" was written before a level started"

press Return
deadline=$((SECONDS + 20))
until [[ -e "$PACK_DIR/saved" ]]; do
    ((SECONDS < deadline)) || fail "no \"saved\" in the pack's folder within 20 s of a key on the title"
    sleep 0.1
done
[[ ! -s "$PACK_DIR/saved" ]] || fail "the pack's game did not start on level 1: $(od -c "$PACK_DIR/saved")"
wait_for_play 20

end_run_with_esc "$RUN/status"

[[ ! -e "$GAME/saved" ]] || fail "the player's own folder got a \"saved\""
"$BUILD_DIR/headbot-pack" unpack "$ELSEWHERE/garden.headbot" "$SCRATCH/cut" >/dev/null ||
    fail "the Linux build's headbot-pack cannot unpack the pack"
for name in level1 level2 level3 boss1; do
    cmp -s "$PACK_DIR/$name" "$SCRATCH/cut/$name" || fail "$name in the pack's folder is not the pack's"
done
for name in level5 title.bmp jump.wav config.txt; do
    [[ -f "$PACK_DIR/$name" && ! -L "$PACK_DIR/$name" ]] && cmp -s "$PACK_DIR/$name" "$GAME/$name" ||
        fail "$name is not a copy of the shipped one in the pack's folder"
done
echo ok
