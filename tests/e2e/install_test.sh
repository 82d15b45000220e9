#!/usr/bin/env bash
# Installed for players: cmake --install into a private prefix, the launcher
# making each player's own game folder (links to the installed data, a copy
# of config.txt, the progress file), two players' separate progress, a home
# where no folder can be made, the menu entry and icon, and the Debian
# package with its dependencies.
source "$(dirname "$0")/game_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"

PREFIX="$SCRATCH/prefix"
ELSEWHERE="$SCRATCH/elsewhere"   # the folder players start the launcher from
mkdir -p "$ELSEWHERE"
RUN=""                           # the launcher run whose output fail() shows

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "$RUN" && -f "$RUN/stderr" ]]; then
        echo "--- launcher and game stderr:" >&2
        grep -v '^ALSA lib' "$RUN/stderr" >&2 || true
    fi
    exit 1
}

# What the build put in the game folder for the game to open: every file but
# the programs, the files the library reads beside them, and a progress file
# left by someone playing in the build.
game_data_names() {
    local file name
    for file in "$GAME_DIR"/*; do
        name=${file##*/}
        case $name in
            headbot | headbot-map | headbot-edit | allegro.cfg | default.cfg | patches.dat | saved) ;;
            *) echo "$name" ;;
        esac
    done
}

# Starts the installed launcher from $ELSEWHERE in the background with the
# environment given (after unsetting XDG_DATA_HOME); its output and status
# land in $SCRATCH/$1.
start_launcher() {
    RUN="$SCRATCH/$1"
    shift
    mkdir -p "$RUN"
    (
        cd "$ELSEWHERE"
        set +e
        env -u XDG_DATA_HOME "$@" timeout 120 "$PREFIX/games/headbot" >"$RUN/stdout" 2>"$RUN/stderr"
        echo $? >"$RUN/status"
    ) &
    GAME_PID=$!
}

# Runs the launcher of prefix $2 to its end, without a display, with the
# environment given; its output lands in $SCRATCH/$1, its status in $STATUS.
run_launcher() {
    local name=$1 prefix=$2
    shift 2
    RUN="$SCRATCH/$name"
    mkdir -p "$RUN"
    STATUS=0
    (cd "$ELSEWHERE" && env -u XDG_DATA_HOME -u DISPLAY "$@" timeout 30 "$prefix/games/headbot") \
        >"$RUN/stdout" 2>"$RUN/stderr" || STATUS=$?
}

wait_for_launcher() {
    local deadline=$((SECONDS + $1))
    while [[ ! -s "$RUN/status" ]]; do
        ((SECONDS < deadline)) || fail "the game did not end within $1 s"
        sleep 0.1
    done
    GAME_PID=""
}

# Esc held during play ends the game; the status must be 0.
quit_with_esc() {
    timeout 10 xdotool keydown Escape
    wait_for_launcher 20
    timeout 10 xdotool keyup Escape 2>/dev/null || true
    [[ "$(cat "$RUN/status")" == 0 ]] || fail "exit status $(cat "$RUN/status") after Esc, not 0"
}

# The player's folder holds a link to every installed data file but
# config.txt, which is the player's own copy.
check_links() {  # folder prefix
    local name
    for name in $(game_data_names); do
        [[ $name == config.txt ]] && continue
        [[ -L "$1/$name" ]] || fail "$1/$name is not a link to the installed data"
        [[ "$(readlink -f "$1/$name")" == "$(readlink -f "$2/share/games/headbot/$name")" ]] ||
            fail "$1/$name leads to $(readlink -f "$1/$name"), not into $2"
    done
}

one_line() {  # file what
    [[ $(wc -l <"$1") == 1 ]] || fail "$2: expected one line, got: $(cat "$1")"
}

# --- the installed files ------------------------------------------------------
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$SCRATCH/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 5 "$SCRATCH/install.log")"

[[ -x "$PREFIX/games/headbot" ]] || fail "no launcher games/headbot"
for program in headbot headbot-map headbot-edit headbot-pack; do
    [[ -x "$PREFIX/lib/games/headbot/$program" ]] || fail "no lib/games/headbot/$program"
done
# The library reads its configuration and the patch index only beside the
# program, so the build's copies must lie there.
for file in allegro.cfg default.cfg patches.dat; do
    if [[ -f "$GAME_DIR/$file" ]]; then
        cmp -s "$GAME_DIR/$file" "$PREFIX/lib/games/headbot/$file" || fail "lib/games/headbot/$file differs from the build's"
    fi
done
for name in $(game_data_names); do
    cmp -s "$GAME_DIR/$name" "$PREFIX/share/games/headbot/$name" ||
        fail "share/games/headbot/$name is missing or differs from the build's"
done
[[ -n $(find "$PREFIX/share/games/headbot" -name '*.bmp') && -f "$PREFIX/share/games/headbot/level1" ]] ||
    fail "the installed data has no pictures or no level1"
# Nothing installed may lead back into the build or the sources.
leaks=$(grep -rIl -e "$BUILD_DIR" -e "$SOURCE_DIR" "$PREFIX" || true)
[[ -z "$leaks" ]] || fail "installed files name the build or source tree: $leaks"

# headbot-map finds the pictures beside itself in the installed layout.
"$PREFIX/lib/games/headbot/headbot-map" "$PREFIX/share/games/headbot/level1" "$SCRATCH/map.bmp" >/dev/null \
    2>"$SCRATCH/map.err" || fail "installed headbot-map cannot draw level1: $(cat "$SCRATCH/map.err")"
[[ $(identify -format %m "$SCRATCH/map.bmp") == BMP* ]] || fail "headbot-map wrote no picture"

# The menu entry starts the installed launcher and shows the icon.
desktop="$PREFIX/share/applications/headbot.desktop"
[[ -f "$desktop" ]] || fail "no share/applications/headbot.desktop"
grep -qx "Exec=$PREFIX/games/headbot %f" "$desktop" || fail "the menu entry does not start $PREFIX/games/headbot"
grep -qx "Type=Application" "$desktop" || fail "the menu entry is not an application"
grep -qx "Icon=headbot" "$desktop" || fail "the menu entry names no icon \"headbot\""
categories=$(sed -n 's/^Categories=//p' "$desktop")
[[ ";$categories" == *";Game;"* && ";$categories" == *";ArcadeGame;"* ]] ||
    fail "the menu entry's categories are \"$categories\", not Game and ArcadeGame"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
fi
icon="$PREFIX/share/icons/hicolor/64x64/apps/headbot.png"
[[ -f "$icon" ]] || fail "no 64x64 icon in the hicolor theme"
[[ $(identify -format "%m %wx%h" "$icon") == "PNG 64x64" ]] ||
    fail "the icon is $(identify -format "%m %wx%h" "$icon"), not a 64x64 PNG"
[[ $(convert "$icon" -format "%[fx:p{0,63}.a] %[fx:p{32,32}.a]" info:) == "0 1" ]] ||
    fail "the icon should be see-through in its corner and solid in its middle"

# The manual page, the copyright and changes, and the software centres' entry
# that names the menu entry.
for path in share/man/man6/headbot.6.gz share/doc/headbot/copyright share/doc/headbot/changelog.gz \
    share/metainfo/org.example.headbot.metainfo.xml; do
    [[ -s "$PREFIX/$path" ]] || fail "no $path"
done
man_text=$(zcat "$PREFIX/share/man/man6/headbot.6.gz" | MANWIDTH=200 man -l - 2>/dev/null || true)
for word in config.txt saved Alt+Enter XDG_DATA_HOME; do
    [[ $man_text == *"$word"* ]] || fail "the manual page does not mention $word"
done
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$PREFIX" >"$SCRATCH/appstream.log" 2>&1 ||
        fail "appstreamcli rejects the installed metainfo: $(cat "$SCRATCH/appstream.log")"
    grep -q '^[EW]:' "$SCRATCH/appstream.log" && fail "appstreamcli warns: $(cat "$SCRATCH/appstream.log")"
fi

# --- the first player: a fresh home ---------------------------------------------
HOME1="$SCRATCH/home1"
mkdir -p "$HOME1"
FOLDER1="$HOME1/.local/share/headbot"
start_xvfb
start_launcher player1 HOME="$HOME1"
find_window
GAME="$FOLDER1"   # the pictures the screen is compared with
wait_for_picture title.bmp 60 GAMEOVER.bmp
check_links "$FOLDER1" "$PREFIX"
[[ -f "$FOLDER1/config.txt" && ! -L "$FOLDER1/config.txt" ]] || fail "config.txt is not the player's own file"
cmp -s "$FOLDER1/config.txt" "$PREFIX/share/games/headbot/config.txt" || fail "config.txt is not a copy of the installed one"

press Return
wait_for_play 20
[[ -f "$FOLDER1/saved" && ! -L "$FOLDER1/saved" ]] || fail "level 1 started without \"saved\" in the player's folder"
quit_with_esc
saved_anywhere=$(find "$SCRATCH" -name saved)
[[ "$saved_anywhere" == "$FOLDER1/saved" ]] || fail "\"saved\" should be in $FOLDER1 only, found: $saved_anywhere"
cp "$FOLDER1/saved" "$SCRATCH/saved1"

# --- later runs: a new version, installed elsewhere ---------------------------
# The player broke config.txt, put a level of their own in place of a link and
# lost another link; the new version, in another place, adds a file and drops
# one the folder links to.
echo "not numbers" >"$FOLDER1/config.txt"
rm "$FOLDER1/level2" "$FOLDER1/level3"
echo "my own level" >"$FOLDER1/level3"
ln -s "$PREFIX/share/games/headbot/dropped.mid" "$FOLDER1/dropped.mid"
mv "$PREFIX" "$PREFIX.new"
cp "$PREFIX.new/share/games/headbot/level1" "$PREFIX.new/share/games/headbot/added"
run_launcher rerun "$PREFIX.new" HOME="$HOME1"
[[ "$STATUS" != 0 ]] || fail "the launcher without a display should fail"
one_line "$RUN/stderr" "the launcher without a display"
grep -q "display" "$RUN/stderr" || fail "the launcher without a display says: $(cat "$RUN/stderr")"
[[ "$(cat "$FOLDER1/config.txt")" == "not numbers" ]] || fail "a later run overwrote the player's config.txt"
cmp -s "$FOLDER1/saved" "$SCRATCH/saved1" || fail "a later run changed \"saved\""
[[ "$(cat "$FOLDER1/level3")" == "my own level" ]] || fail "a later run replaced the player's own level3"
[[ ! -L "$FOLDER1/dropped.mid" ]] || fail "a link to data the new version dropped was kept"
[[ "$(readlink -f "$FOLDER1/added")" == "$PREFIX.new/share/games/headbot/added" ]] ||
    fail "a file the new version added was not linked"
# Without the player's level3, its link comes back.
rm "$FOLDER1/level3"
run_launcher rerun2 "$PREFIX.new" HOME="$HOME1"
check_links "$FOLDER1" "$PREFIX.new"
# Back to the first place, without the added file.
rm "$PREFIX.new/share/games/headbot/added"
mv "$PREFIX.new" "$PREFIX"
run_launcher rerun3 "$PREFIX" HOME="$HOME1"
check_links "$FOLDER1" "$PREFIX"
[[ ! -L "$FOLDER1/added" ]] || fail "a link to a file no longer installed was kept"

# --- a second player: their own folder under XDG_DATA_HOME, their own settings --
HOME2="$SCRATCH/home2"
FOLDER2="$HOME2/data/headbot"
mkdir -p "$FOLDER2"
printf l >"$FOLDER2/saved"             # level 3 reached
echo "800 600 10 0" >"$FOLDER2/config.txt"
start_launcher player2 HOME="$HOME2" XDG_DATA_HOME="$HOME2/data"
find_window
GAME="$FOLDER2"
geometry=$(timeout 10 xdotool getwindowgeometry "$WINDOW" | sed -n 's/^ *Geometry: *//p')
[[ "$geometry" == 800x600 ]] || fail "the game window is $geometry, not the 800x600 of the player's config.txt"
deadline=$((SECONDS + 40))
until showing_play; do   # a key leaves the title once it is up
    ((SECONDS < deadline)) || fail "no level started for the second player"
    press Return
    sleep 0.5
done
quit_with_esc
[[ "$(cat "$FOLDER2/saved")" == l ]] || fail "the second player's game did not go on from level 3: $(od -c "$FOLDER2/saved")"
cmp -s "$FOLDER1/saved" "$SCRATCH/saved1" || fail "the second player's game changed the first player's \"saved\""
[[ "$(cat "$FOLDER2/config.txt")" == "800 600 10 0" ]] || fail "the second player's config.txt was overwritten"
check_links "$FOLDER2" "$PREFIX"
[[ ! -e "$HOME2/.local" ]] || fail "with XDG_DATA_HOME set, nothing belongs in ~/.local"

# A number the game cannot read in the player's config.txt: the game's one
# line about it reaches the launcher's standard error, and play starts.
echo "800 600 ten" >"$FOLDER2/config.txt"
start_launcher player2-config HOME="$HOME2" XDG_DATA_HOME="$HOME2/data"
find_window
wait_for_picture title.bmp 60 GAMEOVER.bmp
grep -q '^headbot: config.txt: the third number (rest per frame) cannot be read ("ten")' "$RUN/stderr" ||
    fail "the launcher does not show the game's line about config.txt: $(grep -v '^ALSA' "$RUN/stderr")"
press Return
wait_for_play 20
quit_with_esc

# --- no folder can be made ----------------------------------------------------------
HOME3="$SCRATCH/home3"
mkdir -p "$HOME3"
touch "$HOME3/.local"                  # root ignores modes: a file blocks the way
for setting in "HOME=$HOME3" "XDG_DATA_HOME=$HOME3/.local/share"; do
    run_launcher blocked "$PREFIX" HOME="$HOME3" "$setting"
    [[ "$STATUS" != 0 ]] || fail "$setting: the launcher should fail when it cannot make the folder"
    one_line "$RUN/stderr" "$setting: the failure"
    grep -q "$HOME3/.local/share/headbot" "$RUN/stderr" || fail "$setting: the failure does not name the folder"
    [[ ! -s "$RUN/stdout" ]] || fail "$setting: the launcher printed to stdout: $(cat "$RUN/stdout")"
done
RUN=""

# --- the Debian package -----------------------------------------------------------
(cd "$SCRATCH" && cpack -G DEB -B "$SCRATCH/package" --config "$BUILD_DIR/CPackConfig.cmake") \
    >"$SCRATCH/cpack.log" 2>&1 || fail "cpack failed: $(grep -E "Error|error|CPackDeb" "$SCRATCH/cpack.log" | tail -n 8)"
debs=("$SCRATCH"/package/headbot_*.deb)
[[ ${#debs[@]} == 1 && -f "${debs[0]}" ]] || fail "cpack made no headbot_*.deb: $(ls "$SCRATCH/package")"
deb=${debs[0]}
[[ $(dpkg-deb -f "$deb" Package) == headbot ]] || fail "the package is not called headbot"
[[ $(dpkg-deb -f "$deb" Architecture) == "$(dpkg --print-architecture)" ]] || fail "the package is not for this machine"
depends=$(dpkg-deb -f "$deb" Depends)
# The package owning each Allegro library the game is linked with, and the
# patch set the synthesizer plays.
needed=(freepats)
for library in $(ldd "$GAME_DIR/headbot" | awk '/liballeg/ { print $3 }'); do
    needed+=("$(dpkg -S "$(readlink -f "$library")" | cut -d: -f1)")
done
((${#needed[@]} > 1)) || fail "ldd shows no Allegro library in the game"
for package in "${needed[@]}"; do
    [[ ", $depends," =~ ", $package"[\ ,] ]] || fail "the package does not depend on $package: Depends: $depends"
done
dpkg-deb -c "$deb" | awk '{ print $6, $7, $8 }' >"$SCRATCH/contents"
in_package() { grep -q "^\./usr/$1\( \|$\)" "$SCRATCH/contents"; }
for path in games/headbot lib/games/headbot/headbot lib/games/headbot/headbot-map lib/games/headbot/allegro.cfg \
    share/applications/headbot.desktop share/icons/hicolor/64x64/apps/headbot.png; do
    in_package "$path" || fail "the package has no /usr/$path"
done
for name in $(game_data_names); do
    in_package "share/games/headbot/$name" || fail "the package has no /usr/share/games/headbot/$name"
done
# headbot-map's links to the pictures lead to files in the package.
while read -r path arrow target; do
    [[ $arrow == "->" ]] || continue
    resolved=$(realpath -ms --relative-to=/ "/${path#./}/../$target")
    in_package "${resolved#usr/}" || fail "the package's link $path leads to $target, which it lacks"
done <"$SCRATCH/contents"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/headbot.desktop |
    grep -qx "Exec=/usr/games/headbot %f" || fail "the packaged menu entry does not start /usr/games/headbot"
for path in games/headbot share/man/man6/headbot.6.gz share/doc/headbot/copyright share/doc/headbot/changelog.gz \
    share/metainfo/org.example.headbot.metainfo.xml; do
    in_package "$path" || fail "the package has no /usr/$path"
done
# Debian's own check of the package: no error and no warning.
if command -v lintian >/dev/null; then
    lintian --display-info "$deb" >"$SCRATCH/lintian.log" 2>&1 || true
    grep -E '^[EW]: ' "$SCRATCH/lintian.log" && fail "lintian reports errors or warnings"
    grep -q 'hardening-no' "$SCRATCH/lintian.log" && fail "lintian: $(grep hardening-no "$SCRATCH/lintian.log")"
else
    fail "no lintian (apt-get install lintian)"
fi
echo "ok"
