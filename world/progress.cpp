#include "world/progress.h"

#include <cstdio>
#include <fstream>

#include "world/level_table.h"
#include "world/world.h"

namespace {

constexpr const char* kProgressFile = "saved";
// Beside "saved", so the rename stays on one file system and replaces it in
// one step: a crash leaves either the old letter or the new one.
constexpr const char* kProgressFileNew = "saved.new";

}  // namespace

void read_progress() {
    std::ifstream in(kProgressFile);
    char letter = 0;
    if (!(in >> letter)) return;
    int32_t level = level_of_progress_letter(letter);
    if (level != 0) current_level = level;
}

void write_progress(int32_t level) {
    const LevelEntry* entry = level_entry(level);
    FILE* out = std::fopen(kProgressFileNew, "wb");
    if (!out) return;  // an unwritable folder: play goes on without progress
    bool written = true;
    if (entry && entry->progress_letter != 0) written = std::fputc(entry->progress_letter, out) != EOF;
    // No fsync: it would stall every level start by milliseconds, and a
    // crash of the game cannot lose a closed file. Replacing a file by
    // renaming over it is the pattern the usual file systems keep in order
    // across a power cut as well.
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(kProgressFileNew, kProgressFile) != 0) std::remove(kProgressFileNew);
}
