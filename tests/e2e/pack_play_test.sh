#!/usr/bin/env bash
# A friend plays a level pack with the installed game: "headbot play PACK"
# (what a double-click on NAME.headbot runs) makes the pack a folder of its
# own, keyed by its bytes, shows its title and author over the title picture
# and starts its first level there; the player's own folder is left exactly
# as it was. Also: the file type is installed, a bad pack is refused in one
# line with nothing made, and unproven levels are named.
source "$(dirname "$0")/game_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"

PREFIX="$SCRATCH/prefix"
ELSEWHERE="$SCRATCH/downloads"   # where the friend saved the pack
mkdir -p "$ELSEWHERE"
cp "$SOURCE_DIR/data/packs/garden.headbot" "$ELSEWHERE/"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$SCRATCH/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 5 "$SCRATCH/install.log")"
PACK="$PREFIX/lib/games/headbot/headbot-pack"
[[ -x "$PACK" ]] || fail "headbot-pack is not installed beside the game"

# --- the file type and the menu entry that opens it ------------------------------
mime="$PREFIX/share/mime/packages/headbot.xml"
[[ -f "$mime" ]] || fail "no share/mime/packages/headbot.xml"
desktop="$PREFIX/share/applications/headbot.desktop"
grep -qx "MimeType=application/x-headbot-pack;" "$desktop" || fail "the menu entry does not open level packs"
grep -qx "Exec=$PREFIX/games/headbot %f" "$desktop" || fail "the menu entry is not given the file: $(grep Exec "$desktop")"
command -v update-mime-database >/dev/null || fail "no update-mime-database (apt-get install shared-mime-info)"
cp -r "$PREFIX/share/mime" "$SCRATCH/mime"
update-mime-database "$SCRATCH/mime" 2>"$SCRATCH/mime.log" || fail "update-mime-database: $(cat "$SCRATCH/mime.log")"
grep -q 'application/x-headbot-pack:\*\.headbot' "$SCRATCH/mime/globs" || fail "the file type has no *.headbot"

# --- the player's own folder, as a player left it ----------------------------------
HOME1="$SCRATCH/home"
OWN="$HOME1/.local/share/headbot"
mkdir -p "$OWN"
printf l >"$OWN/saved"
echo "800 600 10 0" >"$OWN/config.txt"
echo "my own level" >"$OWN/level1"
ln -s "$PREFIX/share/games/headbot/level2" "$OWN/level2"
snapshot() { (cd "$OWN" && find . -printf '%p %y %s %l\n' | sort && find . -type f -exec md5sum {} + | sort); }
snapshot >"$SCRATCH/own.before"

# A run of the installed launcher from the downloads folder, to its end,
# without a display: its output in $SCRATCH/$1, its status in $STATUS.
run_launcher() {
    local name=$1
    shift
    RUN="$SCRATCH/$name"
    mkdir -p "$RUN"
    STATUS=0
    (cd "$ELSEWHERE" && env -u XDG_DATA_HOME -u DISPLAY HOME="$HOME1" timeout 30 "$PREFIX/games/headbot" "$@") \
        >"$RUN/stdout" 2>"$RUN/stderr" || STATUS=$?
}

# --- a bad pack: one line, nothing made ---------------------------------------------
head -c 1000 "$ELSEWHERE/garden.headbot" >"$ELSEWHERE/cut.headbot"
run_launcher bad play cut.headbot
[[ $STATUS != 0 ]] || fail "a pack cut short was played"
[[ $(wc -l <"$RUN/stderr") == 1 ]] || fail "a pack cut short: expected one line, got: $(cat "$RUN/stderr")"
grep -q "cut.headbot: line .*cut short" "$RUN/stderr" || fail "a pack cut short: $(cat "$RUN/stderr")"
[[ ! -e "$HOME1/.local/share/headbot-packs" ]] || fail "a bad pack made a folder"
run_launcher none play
[[ $STATUS != 0 ]] && grep -q "usage: headbot play PACK" "$RUN/stderr" || fail "\"headbot play\" alone: $(cat "$RUN/stderr")"

# --- unproven levels are played, and named in one line ----------------------------
mkdir "$SCRATCH/maker"
cp "$SOURCE_DIR/data/packs/garden/level2" "$SCRATCH/maker/"
"$PACK" make "$ELSEWHERE/rough.headbot" --title Rough --author Me --unproven "$SCRATCH/maker/level2" >/dev/null ||
    fail "cannot make a pack with an unproven level"
run_launcher rough rough.headbot
grep -qx "headbot: rough.headbot: not proven winnable by its maker, played all the same: level2" "$RUN/stderr" ||
    fail "the unproven level is not named: $(cat "$RUN/stderr")"
rough_folder=$(dirname "$(grep -l Rough "$HOME1"/.local/share/headbot-packs/*/pack-title)")
cmp -s "$rough_folder/level2" "$SCRATCH/maker/level2" || fail "the pack's level2 is not in its folder"
[[ -L "$rough_folder/level1" ]] || fail "a level the pack does not carry is not the shipped one"

# --- the example pack, played ---------------------------------------------------------
start_xvfb
RUN="$SCRATCH/play"
mkdir -p "$RUN"
(
    cd "$ELSEWHERE"
    set +e
    env -u XDG_DATA_HOME HOME="$HOME1" timeout 120 "$PREFIX/games/headbot" garden.headbot >"$RUN/stdout" 2>"$RUN/stderr"
    echo $? >"$RUN/status"
) &
GAME_PID=$!
find_window
GAME=$(grep -l "Garden Steps" "$HOME1"/.local/share/headbot-packs/*/pack-title | xargs dirname)
[[ -n "$GAME" ]] || fail "no folder holds the pack's title"

# The title picture with the pack's title boxed on the earth at its foot, in
# its own colour, above the line about the time trial: the picture itself is
# otherwise as it is.
wait_for_pack_title 60
changed=$(differing_pixels "$GAME/title.bmp")
((changed > 1000 && changed < 640 * 480 / 30)) || fail "$changed pixels differ from the title picture"

press Return
wait_for_play 20
[[ -f "$GAME/saved" && ! -L "$GAME/saved" ]] || fail "the pack's first level started without \"saved\" in the pack's folder"
[[ ! -s "$GAME/saved" ]] || fail "the pack's game did not start on level 1: $(od -c "$GAME/saved")"
"$PACK" unpack "$ELSEWHERE/garden.headbot" "$SCRATCH/cut" >/dev/null
for name in level1 level2 level3 boss1; do
    cmp -s "$GAME/$name" "$SCRATCH/cut/$name" || fail "$name in the pack's folder is not the pack's"
done
[[ -L "$GAME/level5" && "$(readlink -f "$GAME/level5")" == "$(readlink -f "$PREFIX/share/games/headbot/level5")" ]] ||
    fail "level5, which the pack does not carry, is not the shipped one"
end_run_with_esc "$RUN/status"

snapshot >"$SCRATCH/own.after"
diff "$SCRATCH/own.before" "$SCRATCH/own.after" >&2 || fail "the player's own folder changed"
[[ "$(find "$HOME1" -name saved | sort)" == "$(printf '%s\n' "$GAME/saved" "$OWN/saved" | sort)" ]] ||
    fail "\"saved\" where it does not belong: $(find "$HOME1" -name saved)"

# Played again, the pack finds its own folder and progress.
printf a >"$GAME/saved"
run_launcher again garden.headbot
[[ $(ls -d "$HOME1"/.local/share/headbot-packs/*/ | wc -l) == 2 ]] || fail "the same pack got a second folder"
[[ "$(cat "$GAME/saved")" == a ]] || fail "playing the pack again lost its progress"
echo "ok"
