// The ghost: a best run replayed in a world of its own beside the player's.
// Each step swaps the ghost's world in, runs its frame and swaps the
// player's back whole, so the player's world, and what it makes heard,
// are exactly what they would be without a ghost.
#pragma once

#include <cstdint>
#include <memory>

#include "sim/trial_run.h"
#include "world/key_script.h"

struct WorldSnapshot;

struct GhostRobot {
    bool shown = false;  // the run has not ended
    int32_t x = 0;
    int32_t y = 0;
    int32_t facing = 1;
    int32_t level = 0;
};

class Ghost {
public:
    // The run of `script` over the course from a fresh world; the world in
    // the globals is left as it was.
    Ghost(int32_t course, const KeyScript& script);
    ~Ghost();
    Ghost(const Ghost&) = delete;
    Ghost& operator=(const Ghost&) = delete;

    // One frame of the ghost's run; called once before each of the player's.
    void step();
    const GhostRobot& robot() const { return robot_; }

private:
    KeyScript script_;
    KeyCursor cursor_;
    TrialRun run_;
    std::unique_ptr<WorldSnapshot> own_;
    std::unique_ptr<WorldSnapshot> players_;
    GhostRobot robot_;
};
