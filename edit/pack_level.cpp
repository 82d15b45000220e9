#include "edit/pack_level.h"

#include <filesystem>

#include "edit/open_level.h"
#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_pack.h"
#include "world/owned_file.h"
#include "world/whole_file.h"
#include "world/pack_proof.h"

namespace {

std::string pack_path;   // "" while no pack is open
std::filesystem::path scratch;
std::string level_name;

}  // namespace

bool is_pack_file(const std::string& path) {
    const std::string suffix = ".headbot";
    return path.size() > suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool open_pack_level(const std::string& path, const std::string& name, std::string& level_path, std::string& error) {
    LevelPack pack;
    if (!read_level_pack_file(path, pack, error)) {
        error = path + ": " + error;
        return false;
    }
    if (level_of_pack_name(name) == 0) {
        error = "\"" + name + "\" is not a level of a pack: level1, level2, level3, boss1, level5, level6 or boss2";
        return false;
    }
    std::error_code ec;
    scratch = std::filesystem::temp_directory_path(ec) /
              ("headbot-edit-" + text_fingerprint(std::filesystem::absolute(path, ec).string()) + "-" + name);
    std::filesystem::remove_all(scratch, ec);
    std::filesystem::create_directories(scratch, ec);
    if (ec) {
        error = "cannot make a scratch folder " + scratch.string() + ": " + ec.message();
        return false;
    }
    level_path = (scratch / name).string();
    for (const PackLevel& level : pack.levels) {
        if (level.name != name) continue;
        if (!write_file_atomically(level_path, level.text, error, false) ||
            (level.proven && !write_file_atomically(level_path + ".keys", level.clear, error, false))) {
            error = level_path + ": " + error;
            return false;
        }
    }
    pack_path = path;
    level_name = name;
    return true;
}

std::string store_in_pack() {
    if (pack_path.empty()) return "";
    const std::string where = "; " + file_name_of(pack_path) + ": ";
    LevelPack pack;
    std::string error;
    // read afresh: the pack may have been changed beside the editor
    if (!read_level_pack_file(pack_path, pack, error)) return where + "NOT STORED, " + error;
    PackLevel level;
    level.name = level_name;
    level.level = level_of_pack_name(level_name);
    std::string clear;
    if (!read_whole_file((scratch / level_name).string(), level.text)) return where + "NOT STORED, the level cannot be read";
    read_whole_file((scratch / level_name).string() + ".keys", clear);
    level.fingerprint = level_text_fingerprint(level.text);
    if (!clear.empty() && fingerprint_in_key_script(clear) == level.fingerprint) {
        PackLevel proven = level;
        proven.proven = true;
        proven.clear = clear;
        screen_of_key_script(clear, proven.screen_width, proven.screen_height);
        if (prove_pack_level(proven).state == ProofState::proven) level = proven;
    }
    bool replaced = false;
    for (PackLevel& other : pack.levels)
        if (other.name == level_name) {
            other = level;
            replaced = true;
        }
    if (!replaced) pack.levels.push_back(level);
    if (!write_file_atomically(pack_path, level_pack_text(pack), error)) return where + "NOT STORED, " + error;
    // a play won on edits not yet saved proves the level once they are saved
    return where + level_name + (level.proven ? " stored, proven" : " stored, unproven until won and saved");
}

void close_pack_level() {
    if (pack_path.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    pack_path.clear();
}
