# Checks every line of a headbot-sim --trace run against what the world's
# rules allow, whatever the keys did. Prints the number of frames checked and
# of levels won; exits 1 at the first line that breaks a rule.
#
# Variables (-v): sw, sh: the screen size the run read; start: the level the
# run began on (--level); levels: one entry per
# level number 1..7, separated by ";", each "width height blocks spiders"
# from that level's file ("-" for the size when the file has no "s" record).
function bad(what) {
    printf "%s: trace line %d breaks a rule: %s\n  %s\n", FILENAME, FNR, what, $0 > "/dev/stderr"
    failed = 1
    exit 1
}
function abs(v) { return v < 0 ? -v : v }
function is_flag(v) { return v == 0 || v == 1 }
function max(a, b) { return a > b ? a : b }
function min(a, b) { return a < b ? a : b }
function start_level(n,   f) {
    if (n > 7) n = 2
    split(facts[n], f, " ")
    # a level file without an "s" record keeps the bounds of the level before
    if (f[1] != "-") { width = f[1]; height = f[2] }
    blocks_most = min(1000, f[3])
    spiders_most = min(1000, f[4])
}
BEGIN {
    n = split(levels, list, ";")
    for (i = 1; i <= n; i++) facts[i] = list[i]
    width = 6000; height = 1000
    far = 1000000000 + 1000
    frame = 0; starting = start == "" ? "?" : start; result = ""
}
/^#/ { next }
/^result: / {
    result = $0
    if ($3 != "frames=" frame) bad("result counts " $3 ", trace ran " frame " frames")
    if (frame > 0 && $4 != "level=" last_level) bad("result names " $4 ", trace ended on " last_level)
    if (last_over && $2 != "over") bad("a game over did not end the run")
    next
}
{
    if (result != "") bad("a line after the result line")
    if (NF != 30) bad(NF " columns, not 30")
    for (i = 1; i <= 30; i++) if ($i !~ /^-?[0-9]+$/) bad("column " i " is not an integer")
    if (last_over) bad("a frame after the game over")
    if ($1 != frame + 1) bad("frame " $1 " follows frame " frame)
    frame = $1
    level = $2
    # between levels 1..7; a won frame adds 1, or 2 when the ball leaves the
    # top as the boss leaves the bottom
    if (level < 1 || level > ($29 == 1 ? 9 : 7)) bad("level out of range")
    if (starting != "") start_level(starting == "?" ? level : starting)
    starting = ""
    if (!is_flag($8) || !is_flag($23) || !is_flag($26) || !is_flag($29) || !is_flag($30))
        bad("a byte flag is neither 0 nor 1")
    if ($30 == 1 && $29 != 1) bad("game over without level done")
    if ($27 < 0 || $27 > blocks_most) bad("blocks present " $27 " of at most " blocks_most)
    if ($28 < 0 || $28 > spiders_most) bad("spiders alive " $28 " of at most " spiders_most)
    if ($10 > 100) bad("health above 100")
    if ($11 > 1) bad("more than one life")
    if ($9 != 1 && $9 != 2) bad("facing neither 1 nor 2")
    if ($22 != 1 && $22 != 2) bad("boss direction neither 1 nor 2")
    if (abs($5) > 9 || abs($20) > 9) bad("a fall step beyond 9")
    if (abs($4) > far || abs($13) > far || abs($19) > far || abs($25) > far)
        bad("a y beyond the far limit")
    if (abs($12) > far || abs($18) > far || abs($24) > far) bad("an x beyond the far limit")
    if (abs($14) > 1 || abs($15) > 1) bad("ball speed beyond 1")
    # the view moves in walk steps of 2 from 0 and tests its bound before moving
    if ($16 < 0 || $16 % 2 != 0) bad("camx negative or odd")
    if ($16 > max(0, width - sw + 1)) bad("camx past the right end of a level " width " wide")
    if ($17 < min(height, sh - 9) || $17 > height + 9)
        bad("viewb out of reach in a level " height " high")
    last_level = level
    last_over = $30
    if ($29 == 1) starting = level  # the loader turns 8 and 9 into 2
    if ($29 == 1 && $30 == 0) level_ends++
}
END {
    if (failed) exit 1
    if (result == "") { print FILENAME ": no result line" > "/dev/stderr"; exit 1 }
    print frame, level_ends + 0
}
