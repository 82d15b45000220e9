#include "world/level_table.h"

const LevelEntry level_table[kLevelCount] = {
    {1, "level1", nullptr, 0},
    {2, "level2", "SMWL1FZero.mid", 'a'},
    {3, "level3", nullptr, 'l'},
    {4, "boss1", "Yiboss2.mid", 'm'},
    {5, "level5", "tune3.mid", 'n'},
    {6, "level6", "tune3.mid", 'f'},
    {7, "boss2", "Boss2.mid", 'g'},
};

const LevelEntry* level_entry(int32_t level) {
    if (level < 1 || level > kLevelCount) return nullptr;
    return &level_table[level - 1];
}

int32_t level_of_progress_letter(char letter) {
    for (const LevelEntry& e : level_table)
        if (e.progress_letter != 0 && e.progress_letter == letter) return e.level;
    return 0;
}

std::string file_name_of(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    if (cut != std::string::npos) return path.substr(cut + 1);
    const bool drive = path.size() >= 2 && path[1] == ':' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive ? path.substr(2) : path;
}

int32_t level_of_file_name(const std::string& path) {
    const std::string name = file_name_of(path);
    for (const LevelEntry& e : level_table)
        if (name == e.file) return e.level;
    return 1;
}
