// A fuzzed level file played for a few hundred frames with fuzzed keys.
//
// Input: byte 0 picks the level number, byte 1 the configuration, byte 2 the
// number of frames, bytes 3-10 a key program (eight runs, repeated); the rest
// is the level text. A level that ends without a game over is loaded again
// from the same text as the next level, so whatever carries over from one
// level to the next is exercised too.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "hardening/world_checks.h"
#include "sim/frame.h"
#include "world/config.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace {

constexpr size_t kPrefix = 11;

// Sizes that make the camera arithmetic work hardest, read the way the game
// reads "config.txt".
const char* const kConfigs[] = {
    "640 480",     "0 0",       "-1 -1", "1 1",         "2147483647 2147483647",
    "-2147483648 -2147483648", "1000000 1000000", "320 200", "640 2147483648",
    "7 5",         "100000 3",  "3 100000",
};
constexpr size_t kConfigCount = sizeof(kConfigs) / sizeof(kConfigs[0]);

void load_from(const std::string& text) {
    // what load_level does, without the files
    if (current_level > 7) current_level = 2;
    ground_count = 0;
    block_count = 0;
    spider_count = 0;
    mushroom_count = 0;
    std::istringstream in(text);
    read_level_records(in);
    settle_level_start();
    hardening::trap_on_fault(hardening::world_fault(), "after load");
    hardening::trap_on_fault(hardening::camera_fault(), "after load");
}

void hold(uint8_t keys) {
    held_keys = HeldKeys();
    held_keys.up = keys & 1;
    held_keys.left = (keys >> 1) & 1;
    held_keys.right = (keys >> 2) & 1;
    held_keys.joy_button = (keys >> 3) & 1;
    held_keys.joy_left = (keys >> 4) & 1;
    held_keys.joy_right = (keys >> 5) & 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kPrefix) return -1;
    reset_world();
    if (data[1] < kConfigCount) {
        std::istringstream config(kConfigs[data[1]]);
        read_config(config);
    }
    current_level = 1 + data[0] % 8;  // 8 is what a won level 7 leaves behind
    const int frames = 100 + 2 * data[2];
    const uint8_t* program = data + 3;
    const std::string text(reinterpret_cast<const char*>(data + kPrefix), size - kPrefix);

    load_from(text);
    int run = 0;
    int left_in_run = 0;
    for (int frame = 0; frame < frames; ++frame) {
        if (left_in_run == 0) {
            // the top two bits give the run's length, the low six its keys
            left_in_run = 1 + (program[run % 8] >> 6) * 40;
            hold(program[run % 8]);
            ++run;
        }
        --left_in_run;
        run_frame();
        hardening::trap_on_fault(hardening::world_fault(), "after a frame");
        hardening::trap_on_fault(hardening::camera_fault(), "after a frame");
        if (game_over) break;
        if (level_done) load_from(text);
    }
    return 0;
}
