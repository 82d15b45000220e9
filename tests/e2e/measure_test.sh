#!/usr/bin/env bash
# headbot-measure on small levels whose play is known frame by frame, and on
# every kind of bad input. Needs BUILD_DIR (headbot-measure lies there).
MEASURE=${BUILD_DIR:?set BUILD_DIR to the build folder}/headbot-measure
SIM=${SIM:-$BUILD_DIR/headbot-sim}
source "$(dirname "$0")/sim_support.sh"
field() { grep "^$2" "$1" | sed "s/^$2 *//"; }  # the rest of the line that starts with $2

floor() { for ((x = 0; x < 640; x += 32)); do echo "A $x $1"; done; }

# --- One header, no roof ------------------------------------------------------
# The robot settles, walks away and back and jumps in frame 154, under the
# resting ball: headed once in frame 184, the ball leaves the top in frame 385.
# Nothing is held in frames 1-60 and 171-385.
{ echo "s 6000 400"; echo "p 100 300"; floor 400; echo "!"; } > "$work/level1"
printf '# settle, walk away and back, jump\n60 -\n40 R\n\n40 L\n30 U\n' > "$work/keys"
(cd "$work" && "$MEASURE" level1 keys > out 2> err)
check "one: exit" 0 $?
check "one: nothing on stderr" "" "$(cat "$work/err")"
check "one: title" "level 1 from level1, key script keys (4 lines)" "$(head -n 1 "$work/out")"
check "one: length" "385 frames    4.1 s" "$(field "$work/out" length)"
check "one: waiting" "275 frames   71%" "$(field "$work/out" 'no key held')"
check "one: longest wait" "215 frames    2.3 s" "$(field "$work/out" 'longest with no key')"
check "one: headers" "1" "$(field "$work/out" headers)"
check "one: no gap with one header" "-" "$(field "$work/out" 'between headers')"
check "one: shifts" "8 of 8 win  100%" "$(field "$work/out" 'lines shifted +-3')"

# Up held only up to the landing frame 154: pressed any earlier it misses
# that landing and the jump never comes; pressed later it still starts.
printf '60 -\n40 R\n40 L\n14 U\n' > "$work/tight"
"$MEASURE" "$work/level1" "$work/tight" --lines > "$work/out"
check "tight: exit" 0 $?
check "tight: +-1" "7 of 8 win   88%" "$(field "$work/out" 'lines shifted +-1')"
check "tight: +-5" "7 of 8 win   88%" "$(field "$work/out" 'lines shifted +-5')"
check "tight: the losing line" "line 4 loses at -1 -3 -5" "$(grep 'loses' "$work/out" | xargs)"

# A last line as long as a count can be plays and shifts like any other.
printf '60 -\n40 R\n40 L\n30 U\n9223372036854775807 -\n' > "$work/long"
"$MEASURE" "$work/level1" "$work/long" > "$work/out"
check "long line: exit" 0 $?
check "long line: length" "385 frames    4.1 s" "$(field "$work/out" length)"
check "long line: shifts" "10 of 10 win  100%" "$(field "$work/out" 'lines shifted +-5')"

# --- Two headers under a roof ----------------------------------------------------
# Headed from rest in frame 38, the ball comes back off the roof onto the
# standing robot in frame 243 and leaves through the gap in frame 540.
{ echo "s 640 400"; echo "p 64 327"; floor 368
  for ((x = 0; x < 640; x += 32)); do [ $x -ge 384 ] && [ $x -le 448 ] || echo "U $x 128"; done
  echo "!"; } > "$work/roofed"
printf '16 -\n12 U\n20 -\n96 R\n' > "$work/roofed.keys"
"$MEASURE" "$work/roofed" "$work/roofed.keys" > "$work/out"
check "roof: exit" 0 $?
check "roof: length" "540 frames    5.7 s" "$(field "$work/out" length)"
check "roof: headers" "2" "$(field "$work/out" headers)"
check "roof: gap of 205 frames" "median 2.2 s, longest 2.2 s" "$(field "$work/out" 'between headers')"

# --- Bad input: one line on stderr, status 1, nothing on stdout ------------------
bad() {  # bad NAME EXPECTED_MESSAGE ARGS...
    local name=$1 message=$2
    shift 2
    "$MEASURE" "$@" > "$work/out" 2> "$work/err"
    check "$name: exit" 1 $?
    check "$name: no table" "" "$(cat "$work/out")"
    check "$name: one line" 1 "$(wc -l < "$work/err")"
    check "$name: message" "headbot-measure: $message" "$(cat "$work/err")"
}
printf '10 -\n' > "$work/short"
bad "not won" "key script $work/short does not win $work/level1 (no level end after 100000 frames)" \
    "$work/level1" "$work/short"
{ echo "s 6000 400"; echo "p 100 300"; echo "D 90 330"; floor 400; echo "!"; } > "$work/bitten"
bad "game over" "key script $work/keys does not win $work/bitten (game over after 126 frames)" \
    "$work/bitten" "$work/keys"
bad "no level" "cannot read level file $work/none" "$work/none" "$work/keys"
bad "level is a folder" "cannot read level file $work: it is a folder" "$work" "$work/keys"
bad "no script" "cannot read key script $work/none" "$work/level1" "$work/none"
printf '10 -\n5 X\n' > "$work/malformed"
bad "malformed" "key script $work/malformed, line 2: expected COUNT KEYS, got \"5 X\"" \
    "$work/level1" "$work/malformed"
: > "$work/empty"
bad "empty script" "key script $work/empty holds no key lines" "$work/level1" "$work/empty"

"$MEASURE" "$work/level1" > "$work/out" 2> "$work/err"
check "usage: exit" 2 $?
check "usage: no table" "" "$(cat "$work/out")"
"$MEASURE" "$work/level1" "$work/keys" --level 9 > /dev/null 2>&1
check "level out of range: exit" 2 $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
