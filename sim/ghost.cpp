#include "sim/ghost.h"

#include "sim/frame.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

GhostRobot robot_of_world(bool shown) {
    return GhostRobot{shown, player.x, player.y, player.facing, current_level};
}

}  // namespace

Ghost::Ghost(int32_t course, const KeyScript& script)
    : script_(script), cursor_(script_), own_(new WorldSnapshot), players_(new WorldSnapshot) {
    save_world(*players_);
    run_.start(course);
    robot_ = robot_of_world(true);
    save_world(*own_);
    restore_world(*players_);
}

Ghost::~Ghost() = default;

void Ghost::step() {
    if (!robot_.shown) return;  // the run is over: the ghost is gone
    save_world(*players_);
    restore_world(*own_);
    {
        InputPollOff script_keys_only;
        run_.before_frame();
        hold_keys(key_bits(cursor_.next()));
        run_frame();
    }
    const bool going = run_.after_frame() == TrialState::kPlaying;
    robot_ = robot_of_world(going);
    save_world(*own_);
    restore_world(*players_);
}
