#!/bin/bash
# headbot-map draws a level file whole: every object where the file puts it,
# the ball at its home, the robot at its start, the boss on boss levels.
set -u
: "${GAME_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

lit() {  # file x y: is the pixel anything but black?
  local v
  v=$(convert "$1" -format "%[fx:p{$2,$3}.r+p{$2,$3}.g+p{$2,$3}.b>0]" info:)
  [ "$v" = 1 ]
}
expect_lit() { lit "$1" "$2" "$3" || fail "$1 ($2,$3) should show $4"; }
expect_dark() { lit "$1" "$2" "$3" && fail "$1 ($2,$3) should be empty: $4"; }

cat > "$work/mine" <<'LEVEL'
s 400 300
p 40 200
A 0 241
A 32 241
U 150 100
G 250 100
M 300 209
D 100 210
! 0 0
LEVEL
"$GAME_DIR/headbot-map" "$work/mine" "$work/mine.bmp" >/dev/null || fail "map of a plain level"
[ "$(identify -format %wx%h "$work/mine.bmp")" = 400x300 ] || fail "map is not the level's size"
expect_lit "$work/mine.bmp" 16 256 "the first ground tile"
expect_lit "$work/mine.bmp" 166 116 "the fixed block"
expect_lit "$work/mine.bmp" 282 116 "the moving block"
expect_lit "$work/mine.bmp" 316 225 "the mushroom"
expect_lit "$work/mine.bmp" 54 220 "the robot at its start"
expect_lit "$work/mine.bmp" 55 116 "the ball 100 pixels above the robot"
expect_dark "$work/mine.bmp" 380 60 "nothing is placed there"
expect_dark "$work/mine.bmp" 240 140 "the boss belongs to boss levels only"
expect_dark "$work/mine.bmp" 5 15 "the health bar belongs to play, not to the map"

cp "$work/mine" "$work/boss1"
"$GAME_DIR/headbot-map" "$work/boss1" "$work/boss.bmp" >/dev/null || fail "map of a boss level"
expect_lit "$work/boss.bmp" 240 70 "the boss on a level named boss1"
# the falling spider waits at (100, 0) on levels 4, 6 and 7: a start in the
# roof, not a spider of the level
expect_dark "$work/boss.bmp" 127 10 "the falling spider's start"

"$GAME_DIR/headbot-map" "$work/missing" "$work/x.bmp" 2>/dev/null && fail "a missing level file must fail"
"$GAME_DIR/headbot-map" 2>/dev/null; [ $? = 2 ] || fail "no arguments must be a usage error"

[ $failures = 0 ] && echo "levelmap: all checks passed"
exit $((failures > 0))
