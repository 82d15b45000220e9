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

// The level a file is played as by its name ("boss1" is 4), or 0 for a
// name the game does not use.
int32_t level_named(const std::string& path);
