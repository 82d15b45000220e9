#!/usr/bin/env bash
# headbot-sim on files written to hurt: level files at the 32-bit limits, of
# 100,000 records, of binary garbage, without "!", or directories; odd
# "config.txt" sizes; "saved" of megabytes, with a NUL byte, or a directory;
# bad key scripts. Every run must end as documented, within its time, and
# every trace line must pass hardening/trace_check.awk.
set -uo pipefail
: "${SIM:?set SIM to the headbot-sim binary}"
: "${SOURCE_DIR:?set SOURCE_DIR to the source tree}"
work=$(mktemp -d /tmp/headbot-hostile-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() {  # check NAME EXPECTED ACTUAL
    if [[ "$2" == "$3" ]]; then
        passes=$((passes + 1))
    else
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# sim NAME ARGS...: runs headbot-sim in $work/NAME with a trace, at most 60 s;
# sets $status and leaves the trace in $work/NAME.trace.
sim() {
    local name=$1
    shift
    status=0
    timeout 60 "$SIM" -C "$work/$name" --trace "$@" > "$work/$name.trace" 2> "$work/$name.err" ||
        status=$?
}

# traced NAME SW SH START FACTS: the trace of run NAME breaks no rule
# (FACTS: "width height blocks spiders" of levels 1..7, ";"-separated).
traced() {
    local out
    out=$(awk -v sw="$2" -v sh="$3" -v start="$4" -v levels="$5" \
        -f "$SOURCE_DIR/hardening/trace_check.awk" "$work/$1.trace" 2>&1) || out="broken: $out"
    check "$1: trace" ok "$([[ $out == broken* ]] && echo "$out" || echo ok)"
}

result() { tail -n 1 "$work/$1.trace"; }
level_dir() { rm -rf "${work:?}/$1"; mkdir -p "$work/$1"; }
same7() { local f; f="$1;$1;$1;$1;$1;$1;$1"; echo "$f"; }

# --- coordinates and sizes at and past the 32-bit limits ------------------
level_dir limits
printf 's 2147483647 2147483647\np -2147483648 2147483647\nA 2147483647 -2147483648\nE -2147483648 2147483647\nG 2147483647 2147483647\nD -2147483648 -2147483648\nM 0 2147483647\n!\n' \
    > "$work/limits/level1"
sim limits --level 1 --frames 5000
check "limits: exit" 0 "$status"
traced limits 640 480 1 "$(same7 "1000000 1000000 2 1")"

level_dir past
printf 'p 100 400\nA 96 441\nA 128 441\nA 2147483648 5\nD 100 410\n!\n' > "$work/past/level1"
sim past --level 1 --frames 300
check "past the limit: exit" 0 "$status"
check "past the limit: the record before is kept, the rest dropped" "0" \
    "$(awk 'NR == 2 { print $28 }' "$work/past.trace")"
traced past 640 480 1 "$(same7 "- - 0 1")"

# negative and zero level sizes
for size in "-1 -1" "0 0" "-2147483648 -2147483648" "29 41"; do
    level_dir negative
    printf 's %s\np 100 100\nA 100 141\nG 0 141\nD 300 110\n!\n' "$size" > "$work/negative/level1"
    sim negative --level 1 --frames 3000 --levels 100
    check "size $size: exit" 0 "$status"
    read -r w h <<< "$size"
    ((w < -1000000)) && w=-1000000 && h=-1000000
    traced negative 640 480 1 "$(same7 "$w $h 1 1")"
done

# --- 100,000 records ---------------------------------------------------------
level_dir many
awk 'BEGIN { print "s 2000 1000"; split("E U G D M p A", l, " ");
    for (i = 0; i < 100000; i++) print l[i % 7 + 1], i % 2000, 900 - i % 50; print "!" }' \
    > "$work/many/boss1"
start=$SECONDS
sim many --level 4 --frames 2000
check "100,000 records: exit" 0 "$status"
check "100,000 records: loaded in time" yes "$( ((SECONDS - start < 30)) && echo yes || echo no)"
check "100,000 records: the block table is full" 1000 "$(awk 'NR == 2 { print $27 }' "$work/many.trace")"
traced many 640 480 4 "$(same7 "2000 1000 1000 1000")"

# --- binary garbage: slices of the simulator itself, and record-like noise -
for slice in "head -c 65536" "tail -c 65536" "head -c 3000000"; do
    level_dir garbage
    $slice "$SIM" > "$work/garbage/level3"
    sim garbage --level 3 --frames 2000 --levels 100
    check "garbage ($slice): exit" 0 "$status"
    traced garbage 640 480 3 "$(same7 "- - 1000 1000")"
done
level_dir noise
awk 'BEGIN { srand(7); split("p A E U G D M s ! - + 0 1 2 3 4 5 6 7 8 9", c, " ");
    for (i = 0; i < 200000; i++) { printf "%s", c[int(rand() * 22) + 1];
        if (rand() < 0.3) printf (rand() < 0.5 ? " " : "\n") } }' > "$work/noise/level5"
sim noise --level 5 --frames 2000 --levels 100
check "record noise: exit" 0 "$status"
traced noise 640 480 5 "$(same7 "- - 1000 1000")"

# --- no "!", and directories in place of files ------------------------------
level_dir open
printf 'p 100 400\nA 96 441\nA 128 441\nD 300 410' > "$work/open/level2"
sim open --level 2 --frames 500
check "no terminator: exit" 0 "$status"
check "no terminator: the records are played" 1 "$(awk 'NR == 2 { print $28 }' "$work/open.trace")"
traced open 640 480 2 "$(same7 "- - 0 1")"

level_dir dirs
mkdir "$work/dirs/level6" "$work/dirs/config.txt"
sim dirs --level 6 --frames 500
check "directory as level file: exit" 0 "$status"
check "directory as level file: plays an empty level" "result: stopped frames=500 level=6" "$(result dirs)"
check "directory as level file: its letter is written" f "$(cat "$work/dirs/saved")"
traced dirs 640 480 6 "$(same7 "- - 0 0")"

# --- config.txt: zero, negative, enormous, and too big to read -------------
printf 's 3000 2000\np 100 1800\nA 96 1841\nA 128 1841\nE 100 1500\nD 600 1810\n!\n' > "$work/level"
for config in "0 0 0 0:0 0" "-640 -480 -5 -1:-640 -480" "2147483647 2147483647:1000000 1000000" \
    "1 1:1 1" "2147483648 600:640 480" "800 99999999999:800 480"; do
    level_dir config
    cp "$work/level" "$work/config/level1"
    printf '%s\n' "${config%%:*}" > "$work/config/config.txt"
    read -r sw sh <<< "${config##*:}"
    sim config --level 1 --frames 3000 --input <(printf '200 R\n100 RU\n200 L\n300 RU\n')
    check "config ${config%%:*}: exit" 0 "$status"
    traced config "$sw" "$sh" 1 "$(same7 "3000 2000 1 1")"
done

# --- saved: megabytes, a NUL byte, a directory ------------------------------
level_dir saved
{ printf m; head -c 8000000 /dev/zero | tr '\0' 'x'; } > "$work/saved/saved"
sim saved --frames 1
check "saved of megabytes: its first letter starts level 4" "result: stopped frames=1 level=4" "$(result saved)"
printf '\0m' > "$work/saved/saved"
sim saved --frames 1
check "saved with a NUL first: level 1" "result: stopped frames=1 level=1" "$(result saved)"
printf 'g\0' > "$work/saved/saved"
sim saved --frames 1
check "saved with a NUL after the letter: level 7" "result: stopped frames=1 level=7" "$(result saved)"

# a robot whose ball starts above the level wins every level in its first frame
level_dir nosave
for f in level1 level2 level3 boss1 level5 level6 boss2; do echo "p 100 50 !" > "$work/nosave/$f"; done
mkdir "$work/nosave/saved"
sim nosave --frames 100 --levels 10
# levels 1 to 7, then 2, 3 and 4: the tenth win leaves level 5
check "saved is a directory: play goes on" "result: won frames=10 level=5" "$(result nosave)"
check "saved is a directory: it is left alone" yes "$([[ -d $work/nosave/saved ]] && echo yes)"
traced nosave 640 480 "" "$(same7 "- - 0 0")"

# --- key scripts that are not key scripts -----------------------------------
level_dir keys
script_status() {
    status=0
    timeout 60 "$SIM" -C "$work/keys" --frames 10 --input "$1" > "$work/keys.out" 2> "$work/keys.err" ||
        status=$?
}
head -c 4096 "$(command -v bash)" > "$work/binary.keys"  # a program's first bytes: SIM may be a script
script_status "$work/binary.keys"
check "binary key script: exit 2" 2 "$status"
check "binary key script: names line 1" yes "$(grep -q 'line 1' "$work/keys.err" && echo yes)"
{ for ((i = 0; i < 100000; i++)); do echo "1 R"; done; echo "99999999999999999999999999 ULR"; echo "5 Q"; } \
    > "$work/long.keys"
script_status "$work/long.keys"
check "bad line 100,002: exit 2" 2 "$status"
check "bad line 100,002: named" yes "$(grep -q 'line 100002' "$work/keys.err" && echo yes)"
# not "nul.keys": NUL is a device on Windows, whatever follows the dot
printf '5 R\0\n' > "$work/zero-byte.keys"
script_status "$work/zero-byte.keys"
check "NUL in a key script: exit 2" 2 "$status"
script_status "$work/no-such.keys"
check "missing key script: exit 2" 2 "$status"

echo "$passes passed, $failures failed"
((failures == 0))
