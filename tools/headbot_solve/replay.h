// A found key script played again from the level's start, exactly as
// headbot-sim plays it, with what a level maker wants to know about it.
#pragma once

#include <cstdint>
#include <string>

#include "world/key_script.h"
#include "level_start.h"
#include "search.h"

// The script's text in headbot-sim's format, one hold a line.
std::string script_text(const KeyPlan& plan);

struct ReplayFacts {
    bool won = false;
    int64_t frames = 0;       // frames played up to the level's end
    int32_t headers = 0;      // frames the game counts a header in
    int32_t key_changes = 0;  // lines of the script after the first
    int64_t shortest_hold = 0;  // the last line, cut short by the win, left out
};

// Parses `text` as headbot-sim would and plays it from the level's start.
ReplayFacts replay_script(const LevelStart& start, const std::string& text);
