// Editing a level straight out of a level pack: the level and its clear are
// cut into a scratch folder, edited there as any level file, and every save
// and every won test play puts them back into the pack, proven when the
// clear beside the level wins exactly what was saved.
#pragma once

#include <string>

// A file name ending in ".headbot": what the editor opens as a pack.
bool is_pack_file(const std::string& path);

// Cuts level `name` (one of the seven level file names; a new one when the
// pack has none) out of the pack at `pack_path` and gives the path of the
// file to edit. False with a one-line reason when the pack cannot be read.
bool open_pack_level(const std::string& pack_path, const std::string& name, std::string& level_path,
                     std::string& error);

// Puts the level as saved, and its clear when that wins it, back into the
// pack; what the pack now says of the level, for the status line ("" when
// no pack is open).
std::string store_in_pack();

// Removes the scratch folder; the pack keeps what was stored.
void close_pack_level();
