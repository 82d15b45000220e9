#!/usr/bin/env bash
# headbot-pack as a level maker and a friend use it: the example pack made
# again from its levels, checked, unpacked to the same bytes; every refusal
# with one line and nothing written; a level changed after its clear shows
# as broken. Needs BUILD_DIR and SOURCE_DIR.
PACK=${BUILD_DIR:?set BUILD_DIR to the build folder}/headbot-pack
SIM=${SIM:-$BUILD_DIR/headbot-sim}
source "$(dirname "$0")/sim_support.sh"
: "${SOURCE_DIR:?set SOURCE_DIR to the source tree}"
example=$SOURCE_DIR/data/packs/garden.headbot
levels=(level1 level2 level3 boss1)

# The files a run left in $work, so that a refusal can be seen to write none.
files() { (cd "$work" && find . -mindepth 1 | sort | tr '\n' ' '); }
refused() {  # NAME EXPECTED_STDERR_PART COMMAND...: exit 2, one line, nothing new
    local name=$1 want=$2 before
    shift 2
    before=$(files)
    "$@" > "$work/.out" 2> "$work/.err"
    check "$name: exit" 2 $?
    check "$name: one line" 1 "$(wc -l < "$work/.err")"
    [[ $(cat "$work/.err") == *"$want"* ]] || check "$name: says" "*$want*" "$(cat "$work/.err")"
    rm -f "$work/.out" "$work/.err"
    check "$name: nothing written" "$before" "$(files)"
}

# --- made again from its levels, the example pack is the same file ---------
mkdir "$work/maker"
cp "$SOURCE_DIR"/data/packs/garden/* "$work/maker/"
(cd "$work/maker" && "$PACK" make "$work/again.headbot" --title "Garden Steps" --author "Headbot developers" \
    "${levels[@]}" > "$work/make.out" 2>&1)
check "make: exit" 0 $?
check "make: same bytes" "" "$(cmp "$example" "$work/again.headbot" 2>&1)"
check "make: says each proven" 4 "$(grep -c ': proven (' "$work/make.out")"

"$PACK" check "$example" > "$work/check.out" 2>&1
check "check: exit" 0 $?
check "check: lines" "level1: proven (1571 frames)|level2: proven (1219 frames)|level3: proven (1921 frames)|boss1: proven (2084 frames)" \
    "$(paste -sd'|' "$work/check.out")"
# every line of a clear as headbot-sim plays it: the same win, the same frame
mkdir "$work/sim"
echo "640 480 10 0" > "$work/sim/config.txt"
for name in "${levels[@]}"; do
    cp "$work/maker/$name" "$work/sim/$name"
    level=$(case $name in boss1) echo 4 ;; *) echo "${name#level}" ;; esac)
    want=$(grep "^$name:" "$work/check.out" | sed 's/.*(\([0-9]*\) frames)/\1/')
    check "sim agrees: $name" "result: won frames=$want level=$((level + 1))" \
        "$("$SIM" -C "$work/sim" --level "$level" --input "$work/maker/$name.keys" | tail -n 1)"
done

"$PACK" unpack "$example" "$work/cut" > /dev/null
check "unpack: exit" 0 $?
for name in "${levels[@]}"; do
    check "unpack: $name" "" "$(cmp "$work/maker/$name" "$work/cut/$name" 2>&1)"
    check "unpack: $name.keys" "" "$(cmp "$work/maker/$name.keys" "$work/cut/$name.keys" 2>&1)"
done
refused "unpack over a maker's level" "is there already" "$PACK" unpack "$example" "$work/cut"

# --- a maker's refusals ------------------------------------------------------
mkdir "$work/new"
cp "$work/maker/level2" "$work/new/level2"
refused "no clear" "level2 has no clear" "$PACK" make "$work/p.headbot" --title T --author A "$work/new/level2"
cp "$work/maker/level1.keys" "$work/new/level2.keys"
refused "a clear that loses" "level2 is not won by level2.keys" \
    "$PACK" make "$work/p.headbot" --title T --author A "$work/new/level2"
# the editor's fingerprint of another text: the level changed after its win
{ echo "# level fingerprint 0123456789abcdef"; cat "$work/maker/level2.keys"; } > "$work/new/level2.keys"
refused "changed after its clear" "level2 was changed after level2.keys was recorded" \
    "$PACK" make "$work/p.headbot" --title T --author A "$work/new/level2"
refused "not a level name" "is not named after a level" "$PACK" make "$work/p.headbot" --title T --author A "$work/maker/level2.keys"
refused "the same level twice" "a pack holds one level1" \
    "$PACK" make "$work/p.headbot" --title T --author A "$work/maker/level1" "$work/maker/level1"
refused "two-line title" "title must be one line" "$PACK" make "$work/p.headbot" --title "$(printf 'a\nb')" --author A "$work/maker/level1"
refused "over a level" "is not a level pack: it is left as it is" \
    "$PACK" make "$work/maker/level2" --title T --author A "$work/maker/level1"
"$PACK" make "$work/p.headbot" --author A "$work/maker/level1" 2> /dev/null
check "no title: usage" 2 $?
rm "$work/new/level2.keys"
"$PACK" make "$work/p.headbot" --title T --author A --unproven "$work/maker/level1" "$work/new/level2" > "$work/out" 2>&1
check "unproven: exit" 0 $?
check "unproven: marked" "unproven" "$(grep -x unproven "$work/p.headbot")"
"$PACK" check "$work/p.headbot" > "$work/out" 2>&1
check "unproven: check fails" 1 $?
check "unproven: check says" "level2: unproven" "$(sed -n 2p "$work/out")"
"$PACK" check "$work/p.headbot" --solve > "$work/out" 2>&1
check "unproven: check --solve fails still" 1 $?
check "unproven: check --solve says" "level2: unproven: headbot-solve wins it in 1219 frames; win it in the editor to prove it" \
    "$(sed -n 2p "$work/out")"

# --- a pack edited after its clear was recorded -----------------------------
sed '0,/^| U 544 208$/s//| U 544 176/' "$example" > "$work/edited.headbot"
"$PACK" check "$work/edited.headbot" > "$work/out" 2>&1
check "edited: check fails" 1 $?
check "edited: level1 broken" "level1: broken (the level was changed after its clear was recorded)" "$(sed -n 1p "$work/out")"
check "edited: the rest proven" 3 "$(grep -c ': proven' "$work/out")"

# --- bad packs: one line naming the pack, nothing written ---------------------
head -c 2000 "$example" > "$work/cut-short.headbot"
sed 's/^headbot pack 1$/headbot pack 7/' "$example" > "$work/v7.headbot"
sed 's/^level level2$/level ..\/..\/level2/' "$example" > "$work/path.headbot"
sed 's/^level level2$/level level1/' "$example" > "$work/twice.headbot"
sed '0,/^| 104 L$/s//| 104 J/' "$example" > "$work/badclear.headbot"
head -c 3000 /dev/urandom > "$work/junk.headbot"
for bad in cut-short v7 path twice badclear junk missing; do
    refused "bad pack $bad: check" "$work/$bad.headbot: " "$PACK" check "$work/$bad.headbot"
    refused "bad pack $bad: unpack" "$work/$bad.headbot: " "$PACK" unpack "$work/$bad.headbot" "$work/out-$bad"
done
refused "ready outside" "is a path" "$PACK" ready "$work/path.headbot" "$work/packs"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
