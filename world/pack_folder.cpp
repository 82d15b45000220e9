#include "world/pack_folder.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "world/level_document.h"
#include "world/level_pack.h"
#include "world/owned_file.h"
#include "world/pack_proof.h"
#include "world/pack_title.h"
#include "world/snapshot.h"
#include "world/whole_file.h"

namespace fs = std::filesystem;

namespace {

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool ready_pack_folder(const std::string& pack_path, const std::string& packs_dir, ReadyPack& ready,
                       std::string& error) {
    ready = ReadyPack();
    LevelPack pack;
    std::string bytes;
    if (!read_level_pack_file(pack_path, pack, error)) {
        error = pack_path + ": " + error;
        return false;
    }
    // the key is taken from the very bytes that were checked
    if (!read_whole_file(pack_path, bytes)) {
        error = pack_path + ": cannot be read";
        return false;
    }
    const fs::path dir = fs::path(packs_dir) / text_fingerprint(bytes);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        error = "cannot make the folder " + dir.string() + ": " + ec.message();
        return false;
    }
    for (const PackLevel& level : pack.levels) {
        if (!write_file_atomically((dir / level.name).string(), level.text, error, false)) {
            error = (dir / level.name).string() + ": " + error;
            return false;
        }
        ready.levels.push_back(level.name);
    }
    // the clears are played in the world the game is about to start in: it
    // must find that world as a fresh start leaves it, on level 1
    std::unique_ptr<WorldSnapshot> world(new WorldSnapshot);
    save_world(*world);
    for (const PackLevel& level : pack.levels)
        if (prove_pack_level(level).state != ProofState::proven) ready.unproven.push_back(level.name);
    restore_world(*world);
    if (!write_file_atomically((dir / kPackTitleFile).string(), pack_title_text(pack), error, false)) {
        error = (dir / kPackTitleFile).string() + ": " + error;
        return false;
    }
    ready.folder = dir.string();
    return true;
}

std::string unproven_pack_line(const std::string& pack_path, const std::vector<std::string>& unproven) {
    std::string names;
    for (const std::string& name : unproven) names += (names.empty() ? "" : ", ") + name;
    return "headbot: " + pack_path + ": not proven winnable by its maker, played all the same: " + names;
}

bool is_shipped_data_name(const std::string& name) {
    if (level_of_pack_name(name) != 0 || name == "allegro.cfg") return true;
    if (name.rfind("par-", 0) == 0 && ends_with(name, ".keys")) return true;
    return ends_with(name, ".bmp") || ends_with(name, ".mid") || ends_with(name, ".wav");
}

bool copy_shipped_data(const std::string& game_dir, const std::string& folder, const std::vector<std::string>& keep,
                       std::string& error) {
    std::error_code ec;
    for (fs::directory_iterator it(game_dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool settings = name == "config.txt";
        std::error_code file_ec;
        if (!(settings || is_shipped_data_name(name)) || !it->is_regular_file(file_ec)) continue;
        if (std::find(keep.begin(), keep.end(), name) != keep.end()) continue;
        const fs::path to = fs::path(folder) / name;
        std::string shipped, copy;
        // the pack's own settings, once copied, are the player's to edit
        if (settings && fs::exists(to, file_ec)) continue;
        if (!read_whole_file(it->path().string(), shipped)) {
            error = it->path().string() + ": cannot be read";
            return false;
        }
        if (read_whole_file(to.string(), copy) && copy == shipped) continue;
        if (!write_file_atomically(to.string(), shipped, error, false)) {
            error = to.string() + ": " + error;
            return false;
        }
    }
    if (ec) {
        error = "cannot list the game's folder " + game_dir + ": " + ec.message();
        return false;
    }
    return true;
}
