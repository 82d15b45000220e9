#include "shell/time_trial.h"

#include <allegro.h>

#include <memory>
#include <string>

#include "render/trial_pictures.h"
#include "shell/menu_keys.h"
#include "shell/music.h"
#include "shell/presenter.h"
#include "shell/trial_play.h"
#include "sim/course_best.h"
#include "sim/ghost.h"
#include "world/best_times.h"
#include "world/level_table.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

// The rows: the seven levels, then the whole game.
constexpr int kRowCount = kCourseCount;
int32_t course_of_row(int row) { return row < kLevelCount ? row + 1 : kWholeGame; }

std::string row_name(int32_t course) {
    return course == kWholeGame ? "Whole game" : "Level " + std::to_string(course);
}

struct Course {
    CourseBest best;
    CourseBest par;
};

struct Trial {
    bool (*closed)() = nullptr;
    BITMAP* picture = nullptr;
    BestTimes times;
    Course courses[kCourseCount];
    TrialScreen screen;
};

void check_course(Trial& t, int32_t course) {
    t.courses[course].best = check_best(course, t.times);
    t.courses[course].par = check_par(course);
}

void fill_rows(Trial& t) {
    t.screen.rows.clear();
    for (int row = 0; row < kRowCount; ++row) {
        const int32_t course = course_of_row(row);
        const Course& c = t.courses[course];
        t.screen.rows.push_back(CourseRow{row_name(course), c.best.frames,
                                          c.best.kind == BestKind::kStale, c.par.frames});
    }
}

void show(BITMAP* picture) { present(picture, picture->w, picture->h); }

std::string runs_text(const KeyRecord& keys) {
    std::string text;
    for (const KeyRun& r : keys.runs()) text += key_script_line(r);
    return text;
}

// The results of a finished attempt; a faster win (or the first on this
// version of the levels) is kept as the new best.
TrialResults results_of(Trial& t, const TrialRun& run, TrialState state) {
    const int32_t course = run.course();
    const Course& before = t.courses[course];
    TrialResults r;
    r.course = row_name(course);
    r.won = state == TrialState::kWon;
    r.frames = run.frames();
    r.best_before = before.best.frames;
    r.best_stale = before.best.kind == BestKind::kStale;
    r.par = before.par.frames;
    r.splits = course == kWholeGame ? run.splits() : std::vector<int64_t>();
    if (course == kWholeGame && before.best.kind == BestKind::kCurrent) r.best_splits = before.best.splits;
    if (!r.won) return r;
    const bool faster = before.best.kind != BestKind::kCurrent || run.frames() < before.best.frames;
    if (!faster) return r;
    if (run.frames() > kLongestTrialRun) {
        r.kept_error = "a run of over an hour is not kept";
        return r;
    }
    std::string error;
    r.new_best = keep_best_run(course, run.frames(), course_fingerprint(course), runs_text(run.keys()), t.times,
                               error);
    if (!r.new_best) r.kept_error = error;
    return r;
}

// One attempt after another at a course, with its results between, until
// the player goes back to the trial screen.
void race(Trial& t, int32_t course) {
    for (;;) {
        std::unique_ptr<Ghost> ghost;
        if (t.courses[course].best.kind == BestKind::kCurrent)
            ghost.reset(new Ghost(course, t.courses[course].best.script));
        TrialRun run;
        const TrialState state = play_course(run, course, ghost.get(), nullptr, nullptr, t.closed);
        ghost.reset();
        if (state == TrialState::kPlaying) return;  // given up
        const TrialResults results = results_of(t, run, state);
        if (results.new_best) check_course(t, course);
        start_menu_keys();
        draw_trial_results(t.picture, results);
        show(t.picture);
        if (wait_menu_key(t.closed) != MenuKey::kChoose) return;
    }
}

void watch(Trial& t, int32_t course, const CourseBest& run_to_watch, const char* name) {
    TrialRun run;
    play_course(run, course, nullptr, &run_to_watch.script, name, t.closed);
}

// Carries out the chosen action on the chosen row; a note says why not
// when it cannot be.
void choose(Trial& t) {
    const int32_t course = course_of_row(t.screen.chosen_row);
    const Course& c = t.courses[course];
    t.screen.note.clear();
    if (t.screen.chosen_action == 0) {
        race(t, course);
    } else if (t.screen.chosen_action == 1) {
        if (c.best.kind == BestKind::kCurrent)
            watch(t, course, c.best, "best run");
        else
            t.screen.note = c.best.kind == BestKind::kStale
                                ? "The best was set on another version of the level."
                                : "No best run yet: race first.";
    } else if (c.par.kind == BestKind::kCurrent) {
        watch(t, course, c.par, "par run");
    } else {
        t.screen.note = "No par run for this course.";
    }
    play_tune(kTitleTune);
    start_menu_keys();
}

void move(TrialScreen& s, MenuKey key) {
    if (key == MenuKey::kUp) s.chosen_row = (s.chosen_row + kRowCount - 1) % kRowCount;
    if (key == MenuKey::kDown) s.chosen_row = (s.chosen_row + 1) % kRowCount;
    if (key == MenuKey::kLeft) s.chosen_action = (s.chosen_action + kTrialActionCount - 1) % kTrialActionCount;
    if (key == MenuKey::kRight) s.chosen_action = (s.chosen_action + 1) % kTrialActionCount;
    if (key != MenuKey::kChoose) s.note.clear();
}

}  // namespace

void run_time_trial(bool (*closed)()) {
    // the normal game goes on from exactly the world it left
    std::unique_ptr<WorldSnapshot> game_world(new WorldSnapshot);
    save_world(*game_world);
    Trial t;
    t.closed = closed;
    t.picture = create_bitmap(screen_width, screen_height);
    if (t.picture) {
        t.times = read_best_times();
        for (int32_t course = 0; course < kCourseCount; ++course) check_course(t, course);
        start_menu_keys();
        for (;;) {
            fill_rows(t);
            draw_trial_screen(t.picture, t.screen);
            show(t.picture);
            const MenuKey key = wait_menu_key(closed);
            if (key == MenuKey::kBack || closed()) break;
            if (key == MenuKey::kChoose) choose(t);
            else move(t.screen, key);
        }
        destroy_bitmap(t.picture);
    }
    restore_world(*game_world);
    // an Esc still held would end the game on the title
    while (key[KEY_ESC] && !closed()) rest(5);
    clear_keybuf();
}
