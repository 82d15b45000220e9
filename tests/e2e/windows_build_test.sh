#!/usr/bin/env bash
# What the Windows build hands a player, and how it fails a builder: the zip
# holds one folder with the six programs, every file the game opens and the
# players' README in Windows line ends; the programs import only Windows' own
# DLLs, the game and editor are window programs with the icon and the tools
# console programs; Allegro is built once and kept; without mingw-w64 the
# build says so in one line and stops. Needs BUILD_DIR and SOURCE_DIR.
source "$(dirname "$0")/windows_support.sh"
SIM=${SIM:-$BUILD_DIR/headbot-sim}
source "$(dirname "$0")/sim_support.sh"
: "${SOURCE_DIR:?SOURCE_DIR must name the repository root}"

zip=$(ls "$WIN_BUILD"/headbot-*-win64.zip 2>/dev/null | head -n 1)
[[ -f "$zip" ]] || windows_fail "no headbot-VERSION-win64.zip in $WIN_BUILD"
version=$(sed -n 's/^project(headbot VERSION \([0-9.]*\).*/\1/p' "$SOURCE_DIR/CMakeLists.txt")
check "zip named by the version" "headbot-$version-win64.zip" "$(basename "$zip")"
(cd "$work" && cmake -E tar xf "$zip")
folder="$work/headbot-$version-win64"
missing=""
for file in headbot.exe headbot-edit.exe headbot-sim.exe headbot-solve.exe headbot-measure.exe \
    headbot-map.exe headbot-pack.exe README.txt config.txt par-level1.keys par-full-game.keys level1 level2 level3 boss1 level5 level6 boss2 \
    title.bmp GAMEOVER.bmp robot1.bmp SMWL1FZero.mid Boss2.mid jump.wav game_over.wav; do
    [[ -f "$folder/$file" ]] || missing+=" $file"
done
check "the zip's folder holds the game" "" "$missing"
check "pictures as the Linux build made them" same \
    "$(cmp -s "$folder/title.bmp" "$BUILD_DIR/game/title.bmp" && echo same)"
check "README.txt in Windows line ends" 0 "$(grep -vc $'\r$' "$folder/README.txt")"
check "README.txt names the version" yes "$(grep -q "Headbot $version" "$folder/README.txt" && echo yes)"

# The icon's picture, as bytes in hex: the game and editor carry it.
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
icon=$(hex "$WIN_BUILD/headbot.ico" | cut -c45-300)  # past the icon file's own header

# Windows' own DLLs only: anything else a player would have to find.
windows_dlls=" ADVAPI32.dll DDRAW.dll DSOUND.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll USER32.dll WINMM.dll "
for exe in "$folder"/*.exe; do
    name=$(basename "$exe")
    foreign=""
    for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }'); do
        [[ $windows_dlls == *" $dll "* ]] || foreign+=" $dll"
    done
    check "$name imports only Windows' DLLs" "" "$foreign"
    subsystem=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $3 }')
    case $name in
    headbot.exe | headbot-edit.exe)
        check "$name is a window program" "(Windows GUI)" "$subsystem $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $4 }')"
        check "$name carries the icon" yes "$(grep -q "$icon" <(hex "$exe") && echo yes)"
        ;;
    *) check "$name is a console program" "(Windows CUI)" "$subsystem $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $4 }')" ;;
    esac
done

# Allegro is kept: a second run neither fetches nor builds.
stamp="$BUILD_DIR/windows/allegro/install/.built"
before=$(stat -c %Y "$stamp")
begun=$SECONDS
"$SOURCE_DIR/tools/windows/allegro.sh" "$BUILD_DIR/windows/allegro" >"$work/again.log" 2>&1
check "Allegro kept: done at once" yes "$( ((SECONDS - begun <= 5)) && echo yes)"
check "Allegro kept: not rebuilt" "$before" "$(stat -c %Y "$stamp")"
check "Allegro kept: nothing said" "" "$(cat "$work/again.log")"

# Without mingw-w64: one line naming what to install, a failure status.
mkdir "$work/bin"
for tool in bash dirname env; do ln -s "$(command -v $tool)" "$work/bin/$tool"; done
status=0
PATH="$work/bin" "$SOURCE_DIR/tools/windows/build.sh" >"$work/no-mingw.out" 2>"$work/no-mingw.err" || status=$?
check "no mingw: failure" 1 "$status"
check "no mingw: one line" 1 "$(wc -l <"$work/no-mingw.err")"
check "no mingw: names the packages" yes "$(grep -q 'install the Debian packages mingw-w64' "$work/no-mingw.err" && echo yes)"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
