#include "support/level_text.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "sim/frame.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

std::string scratch_dir() {
    static std::string dir;
    if (dir.empty()) {
        char tmpl[] = "/tmp/headbot-test-XXXXXX";
        if (!mkdtemp(tmpl)) throw std::runtime_error("no scratch directory");
        dir = tmpl;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        });
    }
    if (chdir(dir.c_str()) != 0) throw std::runtime_error("cannot enter scratch directory");
    return dir;
}

void load_next_level_text(const std::string& text, int32_t level) {
    scratch_dir();
    const LevelEntry* entry = level_entry(level > 7 ? 2 : level);
    std::ofstream(entry->file) << text;
    current_level = level;
    load_level();
}

void load_level_text(const std::string& text, int32_t level) {
    reset_world();
    load_next_level_text(text, level);
}

void run_frames(int frames, const char* keys) {
    std::string k = keys;
    for (int i = 0; i < frames; ++i) {
        held_keys = HeldKeys();
        held_keys.up = k.find('U') != std::string::npos;
        held_keys.right = k.find('R') != std::string::npos;
        held_keys.left = k.find('L') != std::string::npos;
        run_frame();
    }
}
