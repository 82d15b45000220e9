#include "sim/trial_run.h"

#include "sim/frame.h"
#include "world/best_times.h"
#include "world/fresh_level.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

void TrialRun::start(int32_t course) {
    course_ = course;
    frames_ = 0;
    splits_.clear();
    keys_.clear();
    level_ended_ = false;
    start_fresh_level(course == kWholeGame ? 1 : course);
}

TrialState TrialRun::after_frame() {
    ++frames_;
    // the joystick counts as the key it stands for, so the run replays as played
    keys_.add_frame(held_keys.up || held_keys.joy_button, held_keys.left || held_keys.joy_left,
                    held_keys.right || held_keys.joy_right);
    // as in the game, a game over counts before a level's end in the same frame
    if (game_over) return TrialState::kLost;
    if (!level_done) return TrialState::kPlaying;
    splits_.push_back(frames_);
    if (course_ != kWholeGame || current_level > kLevelCount) return TrialState::kWon;
    level_ended_ = true;
    return TrialState::kPlaying;
}

bool TrialRun::before_frame() {
    if (!level_ended_) return false;
    level_ended_ = false;
    read_level_file();
    return true;
}

CourseReplay replay_course(int32_t course, const KeyScript& script) {
    InputPollOff script_keys_only;
    int64_t total = 0;
    for (const KeyRun& r : script.runs)
        total = r.count > kLongestTrialRun - total ? kLongestTrialRun : total + r.count;
    TrialRun run;
    run.start(course);
    KeyCursor cursor(script);
    CourseReplay replay;
    for (TrialState state = TrialState::kPlaying; state == TrialState::kPlaying && run.frames() <= total;) {
        run.before_frame();
        hold_keys(key_bits(cursor.next()));
        run_frame();
        state = run.after_frame();
        // a win after the script ran out is not the script's doing
        replay.won = state == TrialState::kWon && run.frames() <= total;
    }
    replay.frames = run.frames();
    replay.splits = run.splits();
    return replay;
}

InputPollOff::InputPollOff() : saved_(poll_input) { poll_input = nullptr; }

InputPollOff::~InputPollOff() { poll_input = saved_; }
