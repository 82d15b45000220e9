// One time-trial attempt: a course (a level, or the whole game) played from
// a fresh world in the game's own frame order, its frames counted from the
// course's first frame to the frame that wins it.
#pragma once

#include <cstdint>
#include <vector>

#include "edit/key_record.h"
#include "world/key_script.h"

enum class TrialState { kPlaying, kWon, kLost };

class TrialRun {
public:
    // A fresh world at the course's first level (level 1 for the whole game).
    void start(int32_t course);

    // Before each frame: after a level's end in the whole game, the next
    // level is loaded, as the game loads it before its first frame. True
    // when it was (its tune may start).
    bool before_frame();

    // After each frame the world ran: counts it and keeps its keys. A lost
    // life ends the attempt with no time; the whole game goes on at each
    // level's end, as the game does, until level 7 is won.
    TrialState after_frame();

    int32_t course() const { return course_; }
    int64_t frames() const { return frames_; }
    // The frame count at the end of each level won so far.
    const std::vector<int64_t>& splits() const { return splits_; }
    const KeyRecord& keys() const { return keys_; }

private:
    int32_t course_ = 1;
    int64_t frames_ = 0;
    std::vector<int64_t> splits_;
    KeyRecord keys_;
    bool level_ended_ = false;
};

// An hour of play: no best or par run is longer. A script that says more
// (a hand-edited count, say) is played no further, so reading it never
// holds the game up for long.
constexpr int64_t kLongestTrialRun = 95LL * 60 * 60;

struct CourseReplay {
    bool won = false;
    int64_t frames = 0;
    std::vector<int64_t> splits;
};

// Plays `script` over the course from a fresh world, the joystick poll left
// out, until the course is won, lost, the script has run out one frame ago,
// or kLongestTrialRun frames have passed. The world is left where the
// replay ended.
CourseReplay replay_course(int32_t course, const KeyScript& script);

// While one lives, run_frame() takes held_keys as they are set, without the
// game's poll of the library: for the worlds the player does not steer.
class InputPollOff {
public:
    InputPollOff();
    ~InputPollOff();
    InputPollOff(const InputPollOff&) = delete;
    InputPollOff& operator=(const InputPollOff&) = delete;

private:
    void (*saved_)();
};
