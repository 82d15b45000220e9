// The ball: headed by the robot, it flies diagonally at a constant speed,
// bounces off blocks and the level's sides, wins the level out of the top
// and costs health out of the bottom.
#include "sim/events.h"
#include "sim/overlaps.h"
#include "sim/vertical_model.h"
#include "world/world.h"

namespace {

// Only the robot's head heads: the ball's top must be above the line a
// third of the way down the robot.
bool headed_by_player(const Ball& b) {
    return overlaps(b, player) && b.y < player.y + player.height / 3;
}

void turn_rising_player_to_fall() {
    if (player.airborne == 1 && player.fall_accum < 0) {
        player.fall_accum = -player.fall_accum;
        player.step_counter = 30;
    }
}

// The ball flies away from the side of the head it met; dead centre leaves
// it as it was.
void fly_off_head(Ball& b) {
    int32_t d = b.x + b.width / 2 - player.x;
    int32_t half = player.width / 2;
    if (d < half) {
        b.vx = -b.speed;
        b.vy = -b.speed;
    } else if (d > half) {
        b.vx = b.speed;
        b.vy = -b.speed;
    }
}

// Robot and ball go back to their start points; the robot keeps its
// vertical motion, and the view's height follows it from there.
void reset_lost_ball(Ball& b) {
    b.x = b.home_x;
    b.y = b.home_y;
    b.vy = 0;
    b.vx = 0;
    player.health = player.health - 10;
    player.x = player.respawn_x;
    player.y = player.respawn_y;
    offset_x = 0;
    camera_x = 0;
}

}  // namespace

void Ball::update() {
    y = moved(y, vy);
    x = moved(x, vx);
    if (headed_by_player(*this)) {
        if (contact_begins(&LastingContacts::heading)) frame_events.header = 1;
        turn_rising_player_to_fall();
        fly_off_head(*this);
    }
    // the edges override a head's direction; the right edge wins a tie
    if (x <= 0) vx = speed;
    if (x + width >= level_width) vx = -speed;
    if (y < 0) {
        current_level = current_level + 1;
        level_done = 1;
        frame_events.level_won = 1;
    }
    if (y > level_height) {
        reset_lost_ball(*this);
        frame_events.ball_lost = 1;
    }
}
