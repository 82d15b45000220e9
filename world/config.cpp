#include "world/config.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "world/level_loader.h"
#include "world/world.h"

int32_t display_scale = 1;
int32_t display_fullscreen = 0;

void read_config(std::istream& in) {
    display_scale = 1;
    display_fullscreen = 0;
    int32_t* const values[] = {&screen_width, &screen_height,  &frame_delay_ms,
                               &frame_skip,   &display_scale, &display_fullscreen};
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
    // the display settings only change how the picture reaches the screen,
    // so a value that makes no sense falls back to the plain window
    if (display_scale < 0 || display_scale > kLargestDisplayScale) display_scale = 1;
    if (display_fullscreen != 0 && display_fullscreen != 1) display_fullscreen = 0;
}

void read_config_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    read_config(in);
}
