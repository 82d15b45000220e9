#!/bin/sh
# headbot: starts the installed game in the player's own game folder.
#
# The game opens every file by its bare name in the folder it runs in, and
# writes its progress file "saved" there. So each player gets a folder of
# their own, ${XDG_DATA_HOME:-$HOME/.local/share}/headbot, holding links to
# the installed levels, pictures and tunes and a copy of config.txt to edit.
# Every run renews the links (a new version, or an install moved elsewhere)
# and never touches config.txt, "saved" or any other file of the player's.
set -u
# "headbot edit LEVEL_FILE" starts the level editor on that file instead.
# "headbot play PACK" (or "headbot NAME.headbot") plays a level pack in a folder of its own beside the
# player's, ${XDG_DATA_HOME:-$HOME/.local/share}/headbot-packs/KEY, KEY taken
# from the pack's bytes: its own progress, the shipped data linked as above,
# the pack's levels written over their links. The player's folder is not
# touched. "headbot pack ..." runs headbot-pack, the makers' tool.

fail() {
    echo "headbot: $*" >&2
    exit 1
}

# Where the game is installed, from where this script lies.
self=$(readlink -f -- "$0") || fail "cannot tell where the launcher $0 lies"
prefix=$(readlink -f -- "${self%/*}/..") || fail "cannot tell where the game is installed"
program_dir=$prefix/@HEADBOT_LIBDIR@
data_dir=$prefix/@HEADBOT_DATADIR@
[ -x "$program_dir/headbot" ] && [ -f "$data_dir/config.txt" ] ||
    fail "the game is not installed beside this launcher: no $program_dir/headbot or $data_dir/config.txt"

# The player's folder. XDG_DATA_HOME counts only when it is an absolute path.
case ${XDG_DATA_HOME:-} in
    /*) base=$XDG_DATA_HOME ;;
    *)
        [ -n "${HOME:-}" ] || fail "HOME is not set: there is nowhere to keep your game folder"
        base=$HOME/.local/share
        ;;
esac
folder=$base/headbot

case ${1:-} in
    pack)
        shift
        exec "$program_dir/headbot-pack" "$@"
        ;;
    play | *.headbot)
        # the desktop opens a pack with its file name alone
        [ "$1" = play ] && shift
        [ $# -eq 1 ] || fail "usage: headbot play PACK"
        # headbot-pack names what is wrong with a pack in one line, having
        # written nothing
        folder=$("$program_dir/headbot-pack" ready "$1" "$base/headbot-packs") || exit 1
        ;;
    *)
        why=$(mkdir -p -- "$folder" 2>&1) || fail "cannot make your game folder $folder (${why##*: })"
        ;;
esac
[ -w "$folder" ] || fail "cannot write in your game folder $folder"

# The player's own settings: copied once, then theirs to edit.
if [ ! -e "$folder/config.txt" ] && [ ! -L "$folder/config.txt" ]; then
    why=$(cp -- "$data_dir/config.txt" "$folder/.config.txt.new" 2>&1 &&
        mv -f -- "$folder/.config.txt.new" "$folder/config.txt" 2>&1) ||
        fail "cannot copy config.txt into $folder (${why##*: })"
fi

# Links to the installed data. A file of the player's own under a data file's
# name (an edited level, say) is left alone.
for file in "$data_dir"/*; do
    name=${file##*/}
    [ "$name" = config.txt ] && continue
    link=$folder/$name
    if [ -L "$link" ]; then
        [ "$(readlink -- "$link")" = "$file" ] && continue
    elif [ -e "$link" ]; then
        continue
    fi
    why=$(ln -sfn -- "$file" "$link" 2>&1) || fail "cannot link $name into $folder (${why##*: })"
done
# Links left from data that a newer version no longer has lead nowhere.
for link in "$folder"/*; do
    if [ -L "$link" ] && [ ! -e "$link" ]; then
        rm -f -- "$link"
    fi
done

# The level file is named from where the launcher was started.
# "headbot edit PACK.headbot LEVEL_NAME" edits a level of a pack.
if [ "${1:-}" = edit ]; then
    [ $# -eq 2 ] || { [ $# -eq 3 ] && case $2 in *.headbot) true ;; *) false ;; esac; } ||
        fail "usage: headbot edit LEVEL_FILE, or headbot edit PACK.headbot LEVEL_NAME"
    level=$(readlink -f -- "$2") || fail "cannot find the folder of $2"
fi

[ -n "${DISPLAY:-}" ] || fail "no X display (DISPLAY is not set): start Headbot from a desktop session"
cd -- "$folder" || fail "cannot enter your game folder $folder"
[ "${1:-}" = edit ] && shift 2 && exec "$program_dir/headbot-edit" "$level" "$@"
# The game takes no arguments.
exec "$program_dir/headbot"
