// The boss patrols the whole width of a boss level, drains health while it
// touches the robot, and falls unless a breakable block holds it; falling out
// of the bottom wins the level.
#include "sim/events.h"
#include "sim/overlaps.h"
#include "sim/vertical_model.h"
#include "world/world.h"

namespace {

// A level narrower than the boss turns it left.
void turn_at_level_sides(Boss& b) {
    if (b.x <= 0) b.direction = 1;
    if (b.x + b.width >= level_width) b.direction = 2;
}

void walk(Boss& b) {
    if (b.direction == 1) b.x = moved(b.x, b.speed);
    if (b.direction == 2) b.x = moved(b.x, -b.speed);
}

// No knock-back and no pause between hits.
void drain_touching_player(const Boss& b) {
    if (!overlaps(b, player)) return;
    player.health = player.health - b.contact_damage;
    if (contact_begins(&LastingContacts::hurting)) frame_events.hurt = 1;
}

// The robot's vertical model on the boss's own fields. A block that set the
// boss down this frame has cleared airborne, so its counters stand still.
void fall(Boss& b) {
    b.y = moved(b.y, b.fall_step);
    if (b.airborne == 1) advance_fall(b.fall_step, b.fall_accum, b.step_counter);
    b.airborne = 1;
}

void win_when_fallen_out(const Boss& b) {
    if (b.y > level_height) {
        level_done = 1;
        current_level = current_level + 1;
        frame_events.level_won = 1;
    }
}

}  // namespace

void Boss::update() {
    if (!is_boss_level(current_level)) return;
    turn_at_level_sides(*this);
    walk(*this);
    drain_touching_player(*this);
    fall(*this);
    win_when_fallen_out(*this);
}
