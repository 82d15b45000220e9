// The frame order: every step sees what the steps before it wrote.
#include "sim/frame.h"

#include <cstdint>
#include <limits>

#include "sim/camera.h"
#include "sim/events.h"
#include "sim/player_input.h"
#include "world/world.h"

void (*poll_input)() = nullptr;

bool count_frame_for_drawing() {
    // held below the top of its range: a frame_skip near the limit then
    // simply never draws
    if (frame_skip_counter < std::numeric_limits<int32_t>::max())
        frame_skip_counter = frame_skip_counter + 1;
    if (frame_skip_counter > frame_skip) {
        frame_skip_counter = 0;
        return true;
    }
    return false;
}

bool run_frame() {
    start_frame_events();  // heard only: no rule below reads them
    player.update();
    for (int32_t i = 0; i < ground_count; ++i) ground_tiles[i].update();
    for (int32_t i = 0; i < block_count; ++i) blocks[i].update();
    for (int32_t i = 0; i < spider_count; ++i) spiders[i].update();
    for (int32_t i = 0; i < mushroom_count; ++i) mushrooms[i].update();
    falling_spider.update();
    boss.update();
    ball.update();
    scroll_vertical();
    if (poll_input) poll_input();
    read_player_input();
    return count_frame_for_drawing();
}
