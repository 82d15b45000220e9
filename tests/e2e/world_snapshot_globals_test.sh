#!/usr/bin/env bash
# Every global the world library defines is in the world's snapshot list:
# a global added to the world but not to the snapshot fails here.
set -u
BUILD_DIR=${BUILD_DIR:?} SOURCE_DIR=${SOURCE_DIR:?}
library=$BUILD_DIR/libheadbot_world.a
listed=$(grep -o 'X([a-z_]*)' "$SOURCE_DIR/world/snapshot.h" | sed 's/X(\(.*\))/\1/' | sort)
defined=$(nm --defined-only -A "$library" | awk -F: '$2 == "world.cpp.o" {print $3}' |
    awk '$2 ~ /^[BDCGS]$/ {print $3}' | sort)
[ -n "$defined" ] || { echo "FAIL: no globals found in world.cpp.o of $library"; exit 1; }
missing=$(comm -23 <(echo "$defined") <(echo "$listed"))
if [ -n "$missing" ]; then
    echo "FAIL: world globals missing from the snapshot list in world/snapshot.h:" $missing
    exit 1
fi
echo "all $(echo "$defined" | wc -l) world globals are in the snapshot"
