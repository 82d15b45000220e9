#!/bin/bash
# The twelve pictures in GAME_DIR: Windows BMPs of the sizes the game's boxes
# have, mask colour where the background must show, and a few pixels that
# tell each picture is the one it should be.
set -u
: "${GAME_DIR:?GAME_DIR must name the data folder of the game}"
cd "$GAME_DIR" || exit 1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

MASK="255,0,255"

# "r,g,b" of one pixel.
px() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

expect_px() {  # file x y r,g,b why
  local got
  got=$(px "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$1 ($2,$3) is $got, expected $4: $5"
}

# Passes when the pixel's channels satisfy an awk condition on r, g and b.
expect_rgb() {  # file x y condition why
  local got
  got=$(px "$1" "$2" "$3")
  echo "$got" | awk -F, "{ r=\$1; g=\$2; b=\$3; exit !($4) }" ||
    fail "$1 ($2,$3) is $got, expected $4: $5"
}

# Count of exact mask pixels.
mask_count() {
  convert "$1" -format %c histogram:info:- | awk '/#FF00FF/ { sub(":", "", $1); n += $1 } END { print n + 0 }'
}

# --- every file: a 24-bit BMP of the exact size ---------------------------
# Little-endian integer of $3 bytes at offset $2 of file $1, from the file's
# own header: no other program's wording to depend on.
header_int() {
  local value=0 shift=0 byte
  for byte in $(od -An -v -t u1 -j "$2" -N "$3" "$1"); do
    value=$((value + (byte << shift)))
    shift=$((shift + 8))
  done
  echo "$value"
}

check_file() {  # name width height
  if [ ! -f "$1" ]; then
    fail "$1 is missing"
    return 1
  fi
  local magic width height planes bits compression
  magic=$(head -c 2 "$1")
  width=$(header_int "$1" 18 4)
  height=$(header_int "$1" 22 4)
  planes=$(header_int "$1" 26 2)
  bits=$(header_int "$1" 28 2)
  compression=$(header_int "$1" 30 4)
  [ "$magic" = BM ] && [ "$width" = "$2" ] && [ "$height" = "$3" ] && [ "$planes" = 1 ] &&
    [ "$bits" = 24 ] && [ "$compression" = 0 ] ||
    fail "$1 is a \"$magic\" file of ${width}x${height}, $bits bits a pixel, compression $compression; expected an uncompressed 24-bit BMP of ${2}x${3}"
  # 24-bit, uncompressed: header, then 3 bytes a pixel in rows padded to 4.
  local size=$(( 54 + ((${2} * 3 + 3) / 4 * 4) * ${3} ))
  [ "$(stat -c %s "$1")" = "$size" ] || fail "$1 is $(stat -c %s "$1") bytes, expected $size"
}

check_file robot1.bmp 29 41
check_file robot.bmp 29 41
check_file ground.bmp 32 32
check_file block2.bmp 32 32
check_file block.bmp 32 32
check_file doubleblock.bmp 64 32
check_file mushroom.bmp 32 32
check_file anti.bmp 31 32
check_file spider.bmp 65 31
check_file boss1.bmp 280 133
check_file title.bmp 640 480
check_file GAMEOVER.bmp 640 480
[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }

# --- sprites: mask around, something solid inside -------------------------
for f in robot1.bmp robot.bmp mushroom.bmp anti.bmp boss1.bmp; do
  w=$(identify -format %w "$f")
  h=$(identify -format %h "$f")
  for corner in "0 0" "$((w - 1)) 0" "0 $((h - 1))" "$((w - 1)) $((h - 1))"; do
    # shellcheck disable=SC2086
    expect_px "$f" $corner "$MASK" "sprite corners let the background through"
  done
done
expect_px spider.bmp 0 0 "$MASK" "the spider's top corners are open"
expect_px spider.bmp 64 0 "$MASK" "the spider's top corners are open"
expect_px anti.bmp 15 31 "$MASK" "the ball is a disc, the row below it is open"
expect_rgb anti.bmp 15 15 "r + g + b > 60" "the ball has a body"
expect_rgb anti.bmp 15 1 "r + g + b > 60" "the ball reaches its top edge"

# Opaque pictures hold no mask at all; sprites hold a good share of it.
for f in ground.bmp block2.bmp block.bmp doubleblock.bmp title.bmp GAMEOVER.bmp; do
  n=$(mask_count "$f")
  [ "$n" = 0 ] || fail "$f has $n mask pixels; it should be opaque"
done
for f in robot1.bmp robot.bmp mushroom.bmp anti.bmp spider.bmp boss1.bmp; do
  n=$(mask_count "$f")
  total=$(( $(identify -format "%w*%h" "$f") ))
  [ $((n * 10)) -ge "$total" ] && [ $((n * 10)) -le $((total * 8)) ] ||
    fail "$f: $n of $total pixels are mask; expected between a tenth and four fifths"
done

# A colour that is nearly the mask becomes the mask at 16 bits per pixel and
# would punch holes in a sprite.
for f in *.bmp; do
  near=$(convert "$f" -format %c histogram:info:- |
    sed -n 's/^ *[0-9]*: *(\([0-9]*\), *\([0-9]*\), *\([0-9]*\)).*/\1 \2 \3/p' |
    awk '$1 >= 248 && $2 <= 3 && $3 >= 248 && !($1 == 255 && $2 == 0 && $3 == 255)')
  [ -z "$near" ] || fail "$f holds colours that turn into the mask at 16 bits: $near"
done

# --- the robot: right and left are mirror images, visor at the front ------
if ! convert robot1.bmp -flop robot.bmp -compose difference -composite -format "%[fx:maxima]" info: | grep -qx 0; then
  fail "robot.bmp is not robot1.bmp mirrored"
fi
expect_rgb robot1.bmp 16 11 "b > 200 && g > 150 && r < 100" "the right-facing robot's visor is on its right"
expect_rgb robot1.bmp 8 11 "!(b > 200 && g > 150 && r < 100)" "and not on its left"
expect_rgb robot.bmp 12 11 "b > 200 && g > 150 && r < 100" "the left-facing robot's visor is on its left"

# --- tiles and blocks: told apart by colour -------------------------------
expect_rgb ground.bmp 16 2 "g > r + 40 && g > b + 40" "grass on top"
expect_rgb ground.bmp 16 24 "r > g && g > b" "earth below"
expect_rgb block.bmp 4 3 "r > g + 60 && r > b + 60" "the breakable block is red brick"
expect_rgb block2.bmp 4 16 "r < b && b - r < 40 && g > 80" "the fixed block is grey steel"
expect_rgb doubleblock.bmp 32 4 "b > g + 60 && r > g + 30" "the moving block is violet"
expect_rgb doubleblock.bmp 10 16 "r > 200 && g > 150 && b < 120" "with a yellow arrow"
expect_rgb mushroom.bmp 16 3 "r > g + 100" "the mushroom cap is red"

# --- creatures ------------------------------------------------------------
expect_rgb spider.bmp 29 19 "r > 200 && g < 80" "the spider's eyes glow red"
expect_rgb boss1.bmp 116 86 "r > 200 && g < 120" "the boss's eyes glow"

# --- the two screens: big lettering and a white "PRESS ANY KEY" -----------
expect_px title.bmp 167 300 "255,255,255" "PRESS ANY KEY on the title"
expect_rgb title.bmp 78 60 "r > 200 && g > 120 && b < 160" "golden HEADBOT"
expect_px GAMEOVER.bmp 167 262 "255,255,255" "PRESS ANY KEY on the game-over screen"
expect_rgb GAMEOVER.bmp 56 130 "r > 180 && g < 100" "red GAME OVER"

if [ "$failures" != 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all pictures fine"
