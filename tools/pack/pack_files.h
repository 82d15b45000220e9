// The files a level pack is made from and cut into: level files with their
// makers' clears beside them ("LEVEL_FILE.keys", as the editor writes it).
#pragma once

#include "world/level_table.h"  // file_name_of

#include <cstdint>
#include <string>

#include "world/level_pack.h"

// A level file and its clear as a pack level: proven when the clear beside it
// was recorded on exactly this text and wins it; otherwise `why` says what is
// missing and the level is unproven.
bool pack_level_from_file(const std::string& path, PackLevel& level, std::string& why);

