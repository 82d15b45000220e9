// Level packs as any bytes: a pack that is read must name only the seven
// level files, write back to text that reads as the same pack, and play each
// of its levels with its clear without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "world/level_pack.h"
#include "world/pack_proof.h"
#include "world/pack_title.h"

namespace {

[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "level pack fault: %s\n", what.c_str());
    std::abort();
}

// Enough frames to reach every rule; a full replay belongs to the tests.
constexpr int64_t kFuzzFrames = 600;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LevelPack pack;
    std::string error;
    if (!read_level_pack(bytes, pack, error)) {
        if (error.empty() || error.find('\n') != std::string::npos) fault("a refusal must be one line");
        return 0;
    }
    if (pack.levels.empty() || pack.levels.size() > 7) fault("a pack of " + std::to_string(pack.levels.size()) + " levels");
    for (const PackLevel& level : pack.levels)
        if (level_of_pack_name(level.name) != level.level || level.level == 0) fault("a level named " + level.name);
    const std::string text = level_pack_text(pack);
    LevelPack again;
    if (!read_level_pack(text, again, error)) fault("a pack's own text is refused: " + error);
    if (level_pack_text(again) != text) fault("a pack's text reads back differently");
    if (!pack_words_problem(pack.title).empty() || !pack_words_problem(pack.author).empty()) fault("a bad title or author");
    for (const PackLevel& level : pack.levels) {
        KeyScript script;
        std::istringstream in(level.clear);
        if (level.proven && !parse_key_script(in, script, error)) fault("a clear that is no key script");
        replay_level(level.text, level.level, level.screen_width, level.screen_height, script, kFuzzFrames);
    }
    return 0;
}
