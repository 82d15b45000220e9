// Blocks are the level's solid bricks: the ball bounces off them, the robot
// stands on them and is held back by their sides and bottoms, and on the boss
// levels the breakable ones are all the boss can stand on.
#include "sim/events.h"
#include "sim/overlaps.h"
#include "world/world.h"

namespace {

// Sets vx to -1 or 1 rather than negating it, and turns one pixel beyond
// either edge of the level.
void slide(Block& b) {
    b.x = b.x + b.vx;
    if (b.x + b.width > level_width) b.vx = -1;
    if (b.x < 0) b.vx = 1;
}

// A breakable block still bounces the ball, and still holds the robot and the
// boss, in the frame it breaks.
void bounce_ball(Block& b) {
    if (!overlaps(b, ball)) return;
    if (b.breakable == 1) {
        b.present = 0;
        frame_events.block_broken = 1;
    }
    // the ball's span must overlap the block narrowed by the ball's speed
    // at each side for a bounce off its top or bottom
    if (ball.x < b.x + b.width - ball.speed && ball.x + ball.width > b.x + ball.speed) {
        if (ball.y + ball.height - 10 < b.y) ball.vy = -ball.speed;
        if (b.y + b.height - 10 < ball.y) ball.vy = ball.speed;
    }
    if (ball.y < b.y + b.height - ball.speed && ball.y + ball.height > b.y + ball.speed) {
        if (ball.x + ball.width - 10 < b.x) ball.vx = -ball.speed;
        if (b.x + b.width - 10 < ball.x) ball.vx = ball.speed;
    }
}

// Four independent tests, each seeing the last: a robot set onto a block's
// very edge is pushed off it in the same frame.
void hold_player(const Block& b) {
    Player& p = player;
    if (!overlaps(b, p)) return;
    // unlike ground, a block lands a rising robot too
    if (p.y + p.height / 2 < b.y) {
        p.airborne = 0;
        p.y = b.y - p.height;
        p.fall_accum = 0;
        p.fall_step = 0;
    }
    // a push undoes one frame's walk, which makes the side a wall
    if (p.x + p.width - 10 < b.x) p.x = p.x - p.walk_speed;
    if (b.y + b.height - 10 < p.y) {
        // the head bump turns a rise into a fall from the next frame on
        p.fall_accum = -p.fall_accum;
        p.y = p.y + 10;
        p.step_counter = 30;
        p.airborne = 1;
    }
    if (b.x + b.width - 10 < p.x) p.x = p.x + p.walk_speed;
}

void hold_boss(const Block& b) {
    if (!is_boss_level(current_level)) return;
    // only breakable blocks hold the boss, so breaking them is how it falls
    if (!overlaps(b, boss) || b.breakable != 1) return;
    if (!(boss.y + boss.height / 2 < b.y)) return;
    boss.airborne = 0;
    boss.y = b.y - boss.height;
    boss.fall_accum = 0;
    boss.fall_step = 0;
}

}  // namespace

void Block::update() {
    if (kind == 1) slide(*this);
    if (present != 1) return;
    bounce_ball(*this);
    hold_player(*this);
    hold_boss(*this);
}
