// Each record draws its own sprite into back_buffer at its screen position.
#include <allegro.h>

#include "render/assets.h"
#include "render/render_frame.h"
#include "world/world.h"

namespace {

constexpr int kHealthBarColour = 900;  // a raw 16-bit value: dark green in 5-6-5

void draw_at(BITMAP* sprite, int32_t x, int32_t y) {
    draw_sprite(back_buffer, sprite, offset_x + x, offset_y + y);
}

}  // namespace

void Mushroom::draw() { draw_at(mushroom_sprite, x, y); }

void GroundTile::draw() { draw_at(ground_sprite, x, y); }

void Block::draw() {
    if (present != 1) return;  // a broken block leaves no trace
    if (breakable == 1) {
        draw_at(breakable_block_sprite, x, y);
    } else if (kind == 0) {
        draw_at(solid_block_sprite, x, y);
    } else if (kind == 1) {
        draw_at(moving_block_sprite, x, y);
    }
}

void Spider::draw() {
    if (alive == 1) draw_at(spider_sprite, x, y);
}

void Boss::draw() {
    if (is_boss_level(current_level)) draw_at(boss_sprite, x, y);
}

void Ball::draw() { draw_at(ball_sprite, x, y); }

void Player::draw() {
    // The bar sits still at the top left whatever the camera does; health 0
    // or less still shows one column, as the library orders and clips corners.
    clear_bitmap(health_bar);
    rectfill(health_bar, 0, 0, health, 20, kHealthBarColour);
    draw_sprite(back_buffer, health_bar, 0, 10);
    draw_robot();
}

void draw_robot() {
    draw_at(player.facing == 1 ? player_right_sprite : player_left_sprite, player.x, player.y);
}
