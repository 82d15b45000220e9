#!/usr/bin/env bash
# Builds Headbot for 64-bit Windows from Linux, and the zip a player downloads:
#
#   tools/windows/build.sh          ->  build/win64/headbot-VERSION-win64.zip
#
# Needs Debian's mingw-w64 and access to the Debian archive apt already uses
# (for Allegro's source, fetched once). The pictures, tunes and sounds come
# from this machine's own Linux build in build/, made first if need be. The
# Linux build is otherwise left as it is.
set -euo pipefail
cd "$(dirname "$0")/../.."
top="$PWD"
native="$top/build"
cross="$native/win64"

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    echo "windows build: no x86_64-w64-mingw32-g++-posix: install the Debian packages mingw-w64 and g++-mingw-w64-x86-64" >&2
    exit 1
fi

# The build machine's generator tools and what they make.
[[ -f "$native/CMakeCache.txt" ]] || cmake -S "$top" -B "$native" >/dev/null
cmake --build "$native" -j "$(nproc)" --target mkart game_files game_art game_music game_sounds

tools/windows/allegro.sh "$native/windows/allegro"

cmake -S "$top" -B "$cross" \
    -DCMAKE_TOOLCHAIN_FILE="$top/tools/windows/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHEADBOT_ALLEGRO_DIR="$native/windows/allegro/install" \
    -DHEADBOT_NATIVE_BUILD="$native" >/dev/null
cmake --build "$cross" -j "$(nproc)"
ls "$cross"/headbot-*-win64.zip
