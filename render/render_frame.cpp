#include "render/render_frame.h"

#include <allegro.h>

#include "render/assets.h"
#include "world/world.h"

namespace {

void draw_level_objects(bool with_falling_spider) {
    clear_bitmap(back_buffer);
    for (int32_t i = 0; i < mushroom_count; ++i) mushrooms[i].draw();
    for (int32_t i = 0; i < ground_count; ++i) ground_tiles[i].draw();
    for (int32_t i = 0; i < block_count; ++i) blocks[i].draw();
    for (int32_t i = 0; i < spider_count; ++i) spiders[i].draw();
    boss.draw();
    if (with_falling_spider) falling_spider.draw();
    ball.draw();
}

void copy_to_screen(BITMAP* frame) {
    acquire_screen();
    blit(frame, screen, 0, 0, 0, 0, screen_width, screen_height);
    release_screen();
}

}  // namespace

void compose_frame() {
    draw_level_objects(has_falling_spider(current_level));
    player.draw();  // last: the robot and its bar cover everything else
}

void compose_level_map() {
    // the falling spider's start is a place in the roof it falls from, not
    // where it is met; the bar belongs to play, not to the level
    draw_level_objects(false);
    draw_robot();
}

void (*show_frame)(BITMAP* frame) = copy_to_screen;

void render_frame() {
    // The screen only ever receives a finished frame, in one copy.
    compose_frame();
    show_frame(back_buffer);
}
