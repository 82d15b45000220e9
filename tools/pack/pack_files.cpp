#include "pack_files.h"

#include <sstream>

#include "world/key_script.h"
#include "world/whole_file.h"
#include "world/pack_proof.h"

bool pack_level_from_file(const std::string& path, PackLevel& level, std::string& why) {
    level = PackLevel();
    level.name = file_name_of(path);
    level.level = level_of_pack_name(level.name);
    if (level.level == 0) {
        why = "is not named after a level: name it level1, level2, level3, boss1, level5, level6 or boss2";
        return false;
    }
    if (!read_whole_file(path, level.text) || level.text.empty()) {
        why = "cannot be read, or is empty";
        return false;
    }
    std::string clear;
    if (!read_whole_file(path + ".keys", clear)) {
        why = "has no clear: win it in the editor's test play, which writes " + level.name + ".keys beside it";
        return true;
    }
    const std::string fingerprint = level_text_fingerprint(level.text);
    const std::string named = fingerprint_in_key_script(clear);
    if (!named.empty() && named != fingerprint) {
        why = "was changed after " + level.name + ".keys was recorded: win it again in the editor";
        return true;
    }
    PackLevel proven = level;
    proven.proven = true;
    proven.fingerprint = fingerprint;
    proven.clear = clear;
    screen_of_key_script(clear, proven.screen_width, proven.screen_height);
    const Proof proof = prove_pack_level(proven);
    if (proof.state != ProofState::proven) {
        why = "is not won by " + level.name + ".keys: " + proof.why;
        return true;
    }
    level = proven;
    return true;
}
