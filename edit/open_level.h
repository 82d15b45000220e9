// Opening a level file for editing, whatever lies at its path.
#pragma once

#include <string>

#include "world/level_document.h"
#include "world/level_table.h"  // file_name_of: what the editor calls a file

// The records that could be read, and a line for the status bar that says
// what was opened and, when reading stopped early, where and why. A missing
// file gives a new level of the world's default size.
LevelDocument open_level_file(const std::string& path, std::string& message);

// The whole text of a small file, or "" when it cannot be read.
std::string read_small_file(const std::string& path);
