// A course's best run and par run, as the player's folder and the game's
// folder hold them, each checked by playing its script: a time is shown
// only for a script seen to win, in the frames it is seen to win in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/key_script.h"
#include "world/best_times.h"

enum class BestKind {
    kNone,     // no best: missing, empty, nonsense, or a script that does not win
    kCurrent,  // a script that wins the course as its files are now
    kStale,    // set on another version of the course's levels: no ghost
};

struct CourseBest {
    BestKind kind = BestKind::kNone;
    int64_t frames = 0;  // a stale best's as the times file kept it; 0 when unknown
    std::vector<int64_t> splits;
    KeyScript script;
};

// Key scripts larger than this are no run a player made.
constexpr size_t kLargestRunScript = 4 * 1024 * 1024;

// The best of `course` in the current folder. Plays its script, so the world
// is left wherever that play ended.
CourseBest check_best(int32_t course, const BestTimes& times);

// "par-level3.keys" for level 3 (named after the level's file),
// "par-full-game.keys" for the whole game.
std::string par_file(int32_t course);

// The frames a par script's first line states ("# par: ... won in N
// frames"); 0 when it states none.
int64_t stated_par_frames(const std::string& text);

// The par run of `course` from the game's folder: kCurrent with its frames
// when its script wins in exactly the frames it states, kNone otherwise (an
// edited level has no par).
CourseBest check_par(int32_t course);
