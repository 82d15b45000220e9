#include "render/render_frame.h"

#include <allegro.h>

#include "render/assets.h"
#include "world/world.h"

void compose_frame() {
    clear_bitmap(back_buffer);
    for (int32_t i = 0; i < mushroom_count; ++i) mushrooms[i].draw();
    for (int32_t i = 0; i < ground_count; ++i) ground_tiles[i].draw();
    for (int32_t i = 0; i < block_count; ++i) blocks[i].draw();
    for (int32_t i = 0; i < spider_count; ++i) spiders[i].draw();
    boss.draw();
    if (has_falling_spider(current_level)) falling_spider.draw();
    ball.draw();
    player.draw();  // last: the robot and its bar cover everything else
}

namespace {

void copy_to_screen(BITMAP* frame) {
    acquire_screen();
    blit(frame, screen, 0, 0, 0, 0, screen_width, screen_height);
    release_screen();
}

}  // namespace

void (*show_frame)(BITMAP* frame) = copy_to_screen;

void render_frame() {
    // The screen only ever receives a finished frame, in one copy.
    compose_frame();
    show_frame(back_buffer);
}
