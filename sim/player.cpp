// The robot: death and respawn, the end of the game, the vertical model and
// the level's side bounds; then, late in the frame, the keys.
#include "sim/camera.h"
#include "sim/events.h"
#include "sim/player_input.h"
#include "sim/vertical_model.h"
#include "world/world.h"

namespace {

// The robot keeps its vertical motion: a falling robot goes on falling from
// the respawn point.
void respawn_when_out_of_health(Player& p) {
    if (p.health > 0) return;
    p.x = p.respawn_x;
    p.y = p.respawn_y;
    p.health = p.max_health;
    p.lives = p.lives - 1;
    camera_x = 0;
    offset_x = 0;
}

// The rest of this frame still runs; the frame loop ends after it.
void end_game_when_out_of_lives(const Player& p) {
    if (p.lives > 0) return;
    level_done = 1;
    game_over = 1;
    frame_events.game_over = 1;
}

void keep_inside_level(Player& p) {
    // the constant 1, not the camera's edge: a robot pressed against the
    // left edge jitters between 1 and -1 while Left is held
    if (p.x < camera_x) p.x = 1;
    if (p.x + p.width > level_width) p.x = level_width - p.width;
}

bool held(uint8_t key, uint8_t joystick) { return key != 0 || joystick != 0; }

}  // namespace

void Player::update() {
    respawn_when_out_of_health(*this);
    end_game_when_out_of_lives(*this);
    // the step set last frame moves the robot before it is refreshed, so a
    // new fall_step first shows in the next frame
    y = moved(y, fall_step);
    if (airborne == 1) advance_fall(fall_step, fall_accum, step_counter);
    keep_inside_level(*this);
    // standing is a repeated landing: only a ground tile or block clears this,
    // so a jump can start only in a landing frame
    airborne = 1;
}

void read_player_input() {
    Player& p = player;
    if (held(held_keys.up, held_keys.joy_button) && p.airborne == 0) {
        p.airborne = 1;
        p.fall_accum = p.jump_accum;
        p.step_counter = 30;  // past the refresh limit: the rise starts next frame
        frame_events.jump = 1;
    }
    if (held(held_keys.right, held_keys.joy_right)) {
        p.x = p.x + p.walk_speed;
        p.facing = 1;
        scroll_right();
    }
    if (held(held_keys.left, held_keys.joy_left)) {
        p.x = p.x - p.walk_speed;
        p.facing = 2;
        scroll_left();
    }
}
