// The seven levels: file, tune started with the level, progress letter.
#pragma once

#include <cstdint>
#include <string>

struct LevelEntry {
    int32_t level;
    const char* file;
    const char* tune;      // null: the tune playing goes on
    char progress_letter;  // 0: the progress file is left empty
};

constexpr int32_t kLevelCount = 7;
extern const LevelEntry level_table[kLevelCount];

// The row of a level from 1 to 7; null for any other number.
const LevelEntry* level_entry(int32_t level);

// The level a progress letter stands for, or 0 for a letter that stands for none.
int32_t level_of_progress_letter(char letter);

// The last part of a path, after its last "/" or "\\" or a drive's "C:":
// a file name is read the same way on Linux and Windows.
std::string file_name_of(const std::string& path);

// The level whose file has the name that ends this path ("DIR/boss1" is 4):
// the level makers' tools play a file as the level it stands in for, and a
// file named after none as level 1, as headbot-sim plays it.
int32_t level_of_file_name(const std::string& path);

constexpr const char* kTitleTune = "SMWL1FZero.mid";
