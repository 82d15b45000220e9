// The search for a winning key script: from the level's start, it plays
// the game's own frames under held keys and keeps one world for each coarse
// situation it has reached, then plays on from the least explored of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "world/world.h"

// Keys held together for a number of frames.
struct Hold {
    uint8_t keys;
    uint16_t frames;
};
using KeyPlan = std::vector<Hold>;

struct SearchLimits {
    double seconds = 120;
    size_t state_bytes = size_t{1} << 30;  // every kept world and its keys together
    int32_t max_frames = 30000;            // no script longer than this
    uint64_t seed = 1;
    // Searches on after a win, for ever fewer frames, until the time is up:
    // the result is the fastest win found, not the first.
    bool fastest = false;
};

struct SearchProgress {
    double elapsed = 0;
    int64_t frames_run = 0;
    int64_t states_tried = 0;
    size_t states_kept = 0;
    bool memory_full = false;
    int32_t best_ball_height = 0;  // how far above the level's bottom the ball has been
    int32_t most_blocks_broken = 0;
    int32_t fastest_win = 0;  // frames of the fastest win so far; 0 before any
};

struct SearchResult {
    bool won = false;
    KeyPlan plan;  // its last hold ends in the winning frame
    SearchProgress progress;
};

// Starts from the world as it is now, which must be a level's first frame.
// `report` is called twice a second; it may change the world (the search
// puts its own back) and ends the search by returning false. In the fastest
// mode `improved` is called with each win faster than every one before it.
SearchResult search_for_win(const SearchLimits& limits,
                            const std::function<bool(const SearchProgress&)>& report,
                            const std::function<void(const SearchProgress&)>& improved = nullptr);
