#include "world/config.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "world/level_loader.h"
#include "world/world.h"

void read_config(std::istream& in) {
    int32_t* const values[] = {&screen_width, &screen_height, &frame_delay_ms, &frame_skip};
    for (int32_t* value : values) {
        int32_t v = 0;
        // a failed extraction leaves the stream failed, so every later value
        // keeps its default as well
        if (!(in >> v)) break;
        *value = v;
    }
    // the camera adds and subtracts the screen size to level coordinates:
    // holding it to the level range keeps that arithmetic inside 32 bits
    screen_width = std::clamp(screen_width, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    screen_height = std::clamp(screen_height, -kLevelCoordinateLimit, kLevelCoordinateLimit);
}

void read_config_file(const char* path) {
    std::ifstream in(path);
    read_config(in);
}
