#include "world/fresh_level.h"

#include "world/level_loader.h"
#include "world/world.h"

void start_fresh_world(int32_t level) {
    const int32_t w = screen_width, h = screen_height, delay = frame_delay_ms, skip = frame_skip;
    reset_world();
    screen_width = w;
    screen_height = h;
    frame_delay_ms = delay;
    frame_skip = skip;
    current_level = level;
}

void start_fresh_level(int32_t level) {
    start_fresh_world(level);
    read_level_file();
}
