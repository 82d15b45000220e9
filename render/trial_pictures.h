// What the time trial draws: its screen, the results, the clock and the
// ghost robot. The clock and the ghost go over the copy to the screen (the
// overlay), never into the picture the world is drawn in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BITMAP;

// One course's row on the trial screen.
struct CourseRow {
    std::string name;       // "Level 3", "Whole game"
    int64_t best = 0;       // frames; 0: none
    bool best_stale = false;  // set on another version of the level
    int64_t par = 0;        // frames; 0: none
};

constexpr int kTrialActionCount = 3;  // play, watch the best run, watch the par run

struct TrialScreen {
    std::vector<CourseRow> rows;
    int chosen_row = 0;
    int chosen_action = 0;
    std::string note;  // a line under the list: why an action cannot be taken
};

struct TrialResults {
    std::string course;      // "level 3"
    bool won = false;
    int64_t frames = 0;
    int64_t best_before = 0;  // 0: none
    bool best_stale = false;
    int64_t par = 0;
    bool new_best = false;
    std::string kept_error;  // why the time could not be kept; "" when it was, or needed not be
    std::vector<int64_t> splits;       // the whole game: frames at each level's end
    std::vector<int64_t> best_splits;  // the best run's, when known
};

// Each fills `picture` (the game's screen size) whole.
void draw_trial_screen(BITMAP* picture, const TrialScreen& screen);
void draw_trial_results(BITMAP* picture, const TrialResults& results);

// The clock at the top right of the copy: the time so far, and in the whole
// game the level played and the last level's split.
void draw_trial_clock(BITMAP* copy, int width, int64_t frames, const std::string& label);

// The robot at (x, y) of the level, seen through the camera's offsets,
// half-transparent.
void draw_ghost_robot(BITMAP* copy, int32_t x, int32_t y, int32_t facing);

// The title's line about the time trial, over its bottom.
void draw_title_hint(BITMAP* copy, int width, int height);
