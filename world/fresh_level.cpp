#include "world/fresh_level.h"

#include "world/level_loader.h"
#include "world/world.h"

void start_fresh_level(int32_t level) {
    const int32_t width = screen_width;
    const int32_t height = screen_height;
    const int32_t delay = frame_delay_ms;
    const int32_t skip = frame_skip;
    reset_world();
    screen_width = width;
    screen_height = height;
    frame_delay_ms = delay;
    frame_skip = skip;
    current_level = level;
    read_level_file();
}
