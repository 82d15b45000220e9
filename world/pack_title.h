// "pack-title": the title and author of the level pack a game folder plays,
// written there when the pack is made ready to play and shown over the title
// picture. A folder without it plays the shipped game.
#pragma once

#include <string>

#include "world/level_pack.h"

constexpr const char* kPackTitleFile = "pack-title";

struct PackTitle {
    std::string title;
    std::string author;
};

// "title T" and "author A", one a line.
std::string pack_title_text(const LevelPack& pack);

// Reads the file's first two lines as pack_title_text() writes them; a file
// that is missing, too large or not of that form gives false and no words.
bool read_pack_title(const std::string& path, PackTitle& title);
