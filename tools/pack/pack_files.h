// The files a level pack is made from and cut into: level files with their
// makers' clears beside them ("LEVEL_FILE.keys", as the editor writes it).
#pragma once

#include "world/level_table.h"  // file_name_of

#include <cstdint>
#include <string>

#include "world/level_pack.h"

// The screen a key script was won on, as the editor's first comment names it
// ("... frames on a W by H screen"); 640 by 480, the shipped screen, when it
// names none.
void screen_of_key_script(const std::string& text, int32_t& width, int32_t& height);

// A level file and its clear as a pack level: proven when the clear beside it
// was recorded on exactly this text and wins it; otherwise `why` says what is
// missing and the level is unproven.
bool pack_level_from_file(const std::string& path, PackLevel& level, std::string& why);

