#include "level_start.h"

#include <fstream>

#include "world/config.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

bool load_level_start(const LevelStart& start) {
    reset_world();
    read_config_file(start.config_file.c_str());
    current_level = start.level;
    std::ifstream in(start.level_file, std::ios::binary);
    if (!in) return false;
    read_level_records(in);
    // a directory opens but cannot be read
    if (in.bad()) return false;
    settle_level_start();
    return true;
}

