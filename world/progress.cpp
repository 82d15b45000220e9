#include "world/progress.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "world/level_table.h"
#include "world/owned_file.h"
#include "world/world.h"

namespace {

constexpr const char* kProgressFile = "saved";

}  // namespace

void read_progress() {
    std::ifstream in(kProgressFile, std::ios::binary);
    char letter = 0;
    if (!(in >> letter)) return;
    int32_t level = level_of_progress_letter(letter);
    if (level != 0) current_level = level;
}

void write_progress(int32_t level) {
    const LevelEntry* entry = level_entry(level);
    std::string letter;
    if (entry && entry->progress_letter != 0) letter = entry->progress_letter;
    // No wait for the disk: it would stall every level start by milliseconds,
    // and a crash of the game cannot lose a closed file. An unwritable folder
    // leaves play going on without progress.
    std::string error;
    write_file_atomically(kProgressFile, letter, error, false);
}

std::string progress_write_problem() {
    const std::string why = "cannot write \"saved\" in this folder";
    const std::string consequence = ": the game plays, but will not remember where you were";
    std::error_code ignored;
    if (std::filesystem::is_directory(kProgressFile, ignored)) return why + " (a folder has its name)" + consequence;
    // the first step of every write: a new file beside it
    const std::string probe = std::string(kProgressFile) + ".new";
    const bool writable = static_cast<bool>(std::ofstream(probe, std::ios::app));
    std::remove(probe.c_str());
    return writable ? "" : why + consequence;
}
