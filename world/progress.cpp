#include "world/progress.h"

#include <fstream>

#include "world/level_table.h"
#include "world/world.h"

namespace {
constexpr const char* kProgressFile = "saved";
}

void read_progress() {
    std::ifstream in(kProgressFile);
    char letter = 0;
    if (!(in >> letter)) return;
    int32_t level = level_of_progress_letter(letter);
    if (level != 0) current_level = level;
}

void write_progress(int32_t level) {
    std::ofstream out(kProgressFile, std::ios::out | std::ios::trunc);
    const LevelEntry* entry = level_entry(level);
    if (out && entry && entry->progress_letter != 0) out.put(entry->progress_letter);
}
