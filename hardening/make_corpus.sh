#!/usr/bin/env bash
# Seeds for the fuzz targets, made from the shipped files:
#   make_corpus.sh SOURCE_DIR OUT_DIR
# OUT_DIR/{config,level_play,progress,key_script,level_pack,best_times} are (re)filled. Nothing
# here is kept in the repository: the seeds follow the data as it changes.
set -euo pipefail
src=$1
out=$2
mkdir -p "$out"/{config,level_play,progress,key_script,level_pack,best_times}

# configuration: the shipped file and the shapes the reader must survive
cp "$src/data/config.txt" "$out/config/shipped"
printf '1024 768' > "$out/config/two"
printf '800\n\n600\n20\n2\n' > "$out/config/lines"
printf '800x600 5 1' > "$out/config/glued"
printf -- '-5 0 -1 -2147483648' > "$out/config/negative"
printf '2147483647 2147483648 99999999999999999999 1' > "$out/config/limits"

# level play: each shipped level behind a few prefixes (level number,
# configuration, frames, eight key runs; see fuzz_level_play.cpp)
level=1
for name in level1 level2 level3 boss1 level5 level6 boss2; do
    file="$src/data/levels/$name"
    if [[ -f $file ]]; then
        for keys in '\x44\x44\x44\x81\x81\xc4\x04\x00' '\x01\x05\x03\xc2\x00\x41\x09\x30'; do
            { printf "\\x$(printf %02x $((level - 1)))\\x00\\xff$keys"; cat "$file"; } \
                > "$out/level_play/$name-$(printf '%s' "$keys" | cksum | cut -d' ' -f1)"
        done
    fi
    level=$((level + 1))
done
# a small level with every record letter, on a boss level with an odd screen
printf '\x03\x05\x80\x44\xc1\x84\x02\x00\x41\x44\x09s 700 500 p 100 300 A 96 341 A 128 341 E 100 100 U 200 100 G 300 100 D 400 310 M 500 309 x 1 2 ! 0 0' \
    > "$out/level_play/every-letter"

# every table filled to its capacity, so that one record more is a small step
{ printf '\x04\x00\x20\x44\x81\xc4\x05\x00\x41\x44\x09'; awk 'BEGIN {
    print "s 4000 1000 p 100 800";
    for (i = 0; i < 1000; i++) print "A" i % 4000, 900 - i % 7;
    for (i = 0; i < 1000; i++) print substr("EUG", i % 3 + 1, 1) i * 3 % 4000, 800 - i % 300;
    for (i = 0; i < 1000; i++) print "D" i * 7 % 4000, 869;
    for (i = 0; i < 100; i++) print "M" i * 40, 868;
    print "!" }'; } > "$out/level_play/full-tables"

# progress: every letter, blanks before one, and letters that name nothing
for letter in a l m n f g A z 1; do printf '%s' "$letter" > "$out/progress/letter-$letter"; done
printf ' \n\tm' > "$out/progress/blank-then-m"
printf '' > "$out/progress/empty"

# key scripts: any shipped solutions, and the forms the format allows
if compgen -G "$src/data/solutions/*.keys" > /dev/null; then
    cp "$src"/data/solutions/*.keys "$out/key_script/"
fi
printf '120 R\n30 RU\n200 -\n' > "$out/key_script/example"
printf '# comment\n\n  \t\n5 ULR\n1 LU\r\n99999999999999999999999 -\n' > "$out/key_script/forms"
printf '3 R\n0 U\n' > "$out/key_script/bad-count"

# level packs: the shipped example, cut short, and the forms a file can take
if compgen -G "$src/data/packs/*.headbot" > /dev/null; then
    cp "$src"/data/packs/*.headbot "$out/level_pack/"
    head -c 1500 "$src/data/packs/garden.headbot" > "$out/level_pack/cut-short"
fi
printf 'headbot pack 1\ntitle T\nauthor A\nlevel boss2\n| s 900 300\r\n|\n| p 10 10\n\\ no line end\nclear 320 240 0123456789abcdef\n| 5 ULR\n| # c\nlevel level6\nunproven\nend\n' \
    > "$out/level_pack/forms"
printf 'headbot pack 1\ntitle T\nauthor A\nlevel ../level1\nunproven\nend\n' > "$out/level_pack/path"
# best times: a file as the game writes it, and one of another version
printf '# headbot best times 1\n# course, frames at 95 a second, level fingerprint\n1 1478 0123456789abcdef\n7 2596 fedcba9876543210\ngame 15010 00112233445566aa\n' \
    > "$out/best_times/written"
printf '# headbot best times 2\n1 100 0123456789abcdef\n' > "$out/best_times/other-version"
