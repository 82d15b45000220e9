// "config.txt" as any bytes at all. The reader is checked against a plain
// re-statement of its rule (formatted integer extraction, stop at the first
// failure, sizes held to the level range), then an empty level is played a
// little with the result, since the screen size feeds the camera arithmetic.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "hardening/world_checks.h"
#include "sim/frame.h"
#include "world/config.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace {

bool is_blank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips blanks, then an optional sign and at least one digit that make a
// value inside 32 bits; false where the stream extraction would fail.
bool next_value(const std::string& s, size_t& at, int32_t& out) {
    while (at < s.size() && is_blank(s[at])) ++at;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
    size_t digits = 0;
    int64_t value = 0;
    bool too_big = false;
    while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
        if (!too_big) value = value * 10 + (s[at] - '0');
        if (value > int64_t{1} << 32) too_big = true;
        ++at;
        ++digits;
    }
    if (digits == 0 || too_big) return false;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return false;
    out = static_cast<int32_t>(value);
    return true;
}

int32_t held(int32_t v) {
    return std::clamp(v, -kLevelCoordinateLimit, kLevelCoordinateLimit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    int32_t expected[4] = {640, 480, 0, 0};
    size_t at = 0;
    for (int32_t& value : expected)
        if (!next_value(text, at, value)) break;
    expected[0] = held(expected[0]);
    expected[1] = held(expected[1]);

    reset_world();
    std::istringstream in(text);
    read_config(in);
    const int32_t got[4] = {screen_width, screen_height, frame_delay_ms, frame_skip};
    for (int i = 0; i < 4; ++i) {
        if (got[i] != expected[i]) {
            std::fprintf(stderr, "value %d read as %d, expected %d\n", i + 1, got[i], expected[i]);
            std::abort();
        }
    }

    // a robot falling through an empty level, walking right, with this screen
    settle_level_start();
    held_keys.right = 1;
    for (int frame = 0; frame < 60; ++frame) {
        run_frame();
        hardening::trap_on_fault(hardening::world_fault(), "after a frame");
        hardening::trap_on_fault(hardening::camera_fault(), "after a frame");
    }
    return 0;
}
