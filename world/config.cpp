#include "world/config.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "world/level_loader.h"
#include "world/world.h"

int32_t display_scale = 1;
int32_t display_fullscreen = 0;

namespace {

const char* const kValueNames[] = {"screen width", "screen height", "rest per frame",
                                   "frames skipped", "window scale", "fullscreen"};

// What stands where a number was wanted, as far as it can be shown.
std::string word_at(std::istream& in, std::streampos start) {
    in.clear();
    if (start != std::streampos(-1)) in.seekg(start);
    std::string word;
    in >> word;
    std::string shown;
    for (char c : word)
        if (c >= 0x20 && c < 0x7f && shown.size() < 20) shown += c;
    return shown;
}

std::string ordinal(int n) {
    static const char* const words[] = {"first", "second", "third", "fourth", "fifth", "sixth"};
    return words[n];
}

}  // namespace

std::string read_config(std::istream& in) {
    std::string problem;
    display_scale = 1;
    display_fullscreen = 0;
    int32_t* const values[] = {&screen_width, &screen_height,  &frame_delay_ms,
                               &frame_skip,   &display_scale, &display_fullscreen};
    int read = 0;
    for (int32_t* value : values) {
        if (!(in >> std::ws) || in.peek() == std::char_traits<char>::eof()) break;  // the file ends: no fault
        const std::streampos start = in.tellg();
        int32_t v = 0;
        // a failed extraction leaves the stream failed, so every later value
        // keeps its default as well
        if (!(in >> v)) {
            const std::string word = word_at(in, start);
            problem = "config.txt: the " + ordinal(read) + " number (" + kValueNames[read] + ") cannot be read" +
                      (word.empty() ? "" : " (\"" + word + "\")") +
                      "; it and those after it keep their defaults";
            break;
        }
        *value = v;
        ++read;
    }
    // the camera adds and subtracts the screen size to level coordinates:
    // holding it to the level range keeps that arithmetic inside 32 bits
    screen_width = std::clamp(screen_width, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    screen_height = std::clamp(screen_height, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    // the display settings only change how the picture reaches the screen,
    // so a value that makes no sense falls back to the plain window
    if (display_scale < 0 || display_scale > kLargestDisplayScale) display_scale = 1;
    if (display_fullscreen != 0 && display_fullscreen != 1) display_fullscreen = 0;
    return problem;
}

std::string read_config_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code ignored;
    if ((!in && std::filesystem::exists(path, ignored)) || std::filesystem::is_directory(path, ignored)) {
        read_config(in);
        return std::string(path) + " is there but cannot be read; every setting keeps its default";
    }
    return read_config(in);
}
