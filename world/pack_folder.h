// The folder a level pack is played in: PACKS_DIR/KEY, KEY taken from the
// pack's bytes, so two packs never share progress and the same pack always
// finds its own. The Linux launcher (through headbot-pack ready) and the
// Windows game given a pack both make it here.
#pragma once

#include <string>
#include <vector>

struct ReadyPack {
    std::string folder;                 // PACKS_DIR/KEY
    std::vector<std::string> levels;    // the level files the pack wrote there
    std::vector<std::string> unproven;  // those its maker's play does not win
};

// Reads and checks the pack at `pack_path`, then makes (or reuses) its folder
// under `packs_dir` and writes the pack's levels and "pack-title" there, over
// whatever stood under those names (a link is replaced, never the file it
// leads to). A pack that is refused writes nothing; `error` names the pack
// and what is wrong, in one line.
bool ready_pack_folder(const std::string& pack_path, const std::string& packs_dir, ReadyPack& ready,
                       std::string& error);

// "headbot: PACK: not proven winnable by its maker, played all the same: ..."
std::string unproven_pack_line(const std::string& pack_path, const std::vector<std::string>& unproven);

// Whether a file of the game's folder is shipped data a pack's folder needs:
// the levels, par runs, pictures, tunes, sounds and the library's settings.
// The player's own files ("saved", best times, settings) are not.
bool is_shipped_data_name(const std::string& name);

// Where links cannot be had, a pack's folder gets copies of the shipped data
// in `game_dir`: each one that is missing or differs is copied again, except
// the pack's own levels (`keep`). config.txt is copied once, then the pack
// folder's own. False with the file and the reason when one cannot be copied.
bool copy_shipped_data(const std::string& game_dir, const std::string& folder, const std::vector<std::string>& keep,
                       std::string& error);
