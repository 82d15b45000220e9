// The world as headbot-sim starts a level: a fresh process, the screen from
// "config.txt", the level number, then the level file through the loader.
#pragma once

#include <cstdint>
#include <string>

struct LevelStart {
    std::string level_file;
    std::string config_file;  // may be missing: the default screen then
    int32_t level = 1;
};

// Puts every world global where the level starts; false when the level file
// cannot be read.
bool load_level_start(const LevelStart& start);
