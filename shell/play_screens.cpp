#include "shell/play_screens.h"

#include <allegro.h>

#include <cstdio>

#include "render/assets.h"
#include "render/overlay_text.h"
#include "render/render_frame.h"
#include "shell/fresh_press.h"
#include "shell/overlay.h"
#include "shell/presenter.h"
#include "world/frame_events.h"
#include "world/level_name.h"
#include "world/level_table.h"
#include "world/trial_time.h"
#include "world/world.h"

namespace {

constexpr int kCueFrames = kTrialFramesASecond;  // about a second at the shipped pace
constexpr FreshPressRules kCardWait{0, 1000};
// the ending is read, not glanced at: it stays a while, and a key held
// through the last jump does not sweep it away
constexpr FreshPressRules kEndingWait{500, 8000};

int64_t run_frames = 0;
int32_t run_first_level = 0;  // 0: no level of this run started yet
int32_t level_playing = 0;
int cue_frames_left = 0;

int white() { return makecol(255, 255, 255); }

void draw_health_frame(BITMAP* copy, int, int) {
    // The bar fills columns 0 to 99 of rows 10 to 29 at full health. The
    // frame hugs it from outside (a light line, a dark one beyond it for
    // light backgrounds) so that no pixel of the bar is hidden; its left
    // side is the screen's edge. Notches mark each quarter.
    const int light = makecol(230, 230, 230);
    const int dark = makecol(0, 0, 0);
    hline(copy, 0, 8, 101, dark);
    hline(copy, 0, 31, 101, dark);
    vline(copy, 101, 8, 31, dark);
    hline(copy, 0, 9, 100, light);
    hline(copy, 0, 30, 100, light);
    vline(copy, 100, 9, 30, light);
    for (int quarter = 25; quarter < 100; quarter += 25) {
        vline(copy, quarter - 1, 31, 33, dark);
        vline(copy, quarter, 31, 33, light);
    }
}

void draw_ball_lost_cue(BITMAP* copy, int, int) {
    // beside the bar, where the ten lost points show
    draw_boxed_text(copy, 108, 12, "BALL LOST -10", makecol(255, 96, 80), Align::kLeft, true);
}

// A card over the picture the screen shows, until the wait ends.
void show_card(const std::vector<CardLine>& lines, FreshPressRules wait, bool (*quit)()) {
    set_overlay(OverlayLayer::kCard, [lines](BITMAP* copy, int width, int height) {
        draw_card(copy, width / 2, height / 3, lines, width - 16);
    });
    present(back_buffer, screen_width, screen_height);
    if (!quit()) wait_for_fresh_library_press(wait, quit);
    clear_overlay(OverlayLayer::kCard);
}

std::string level_words(int32_t level) { return "LEVEL " + std::to_string(level); }

void show_ending(bool (*quit)()) {
    const int gold = makecol(255, 220, 96);
    std::string levels = "ALL " + std::to_string(kLevelCount) + " LEVELS CLEAR";
    if (run_first_level == kLevelCount) levels = level_words(kLevelCount) + " CLEAR";
    else if (run_first_level > 1)
        levels = "LEVELS " + std::to_string(run_first_level) + " TO " + std::to_string(kLevelCount) + " CLEAR";
    show_card({{"THE END", 4, gold},
               {levels, 2, white()},
               {"TIME " + trial_time_text(run_frames), 3, gold},
               {std::to_string(run_frames) + (run_frames == 1 ? " frame" : " frames") + " at " +
                    std::to_string(kTrialFramesASecond) + " a second",
                1, white()},
               {"Play goes on with level 2", 1, white()}},
              kEndingWait, quit);
    // the next lap is a run of its own
    run_frames = 0;
    run_first_level = 0;
}

}  // namespace


void start_run() {
    run_frames = 0;
    run_first_level = 0;
    cue_frames_left = 0;
    set_overlay(OverlayLayer::kHealth, draw_health_frame);
}

void introduce_level(bool (*quit)()) {
    level_playing = current_level;
    if (run_first_level == 0) run_first_level = current_level;
    std::vector<CardLine> lines{{level_words(current_level), 3, white()}};
    const std::string name = shown_text(level_name, 0);
    if (!name.empty()) lines.push_back({name, 2, makecol(255, 220, 96)});
    // the level's first view under the card: drawing reads the world only
    compose_frame();
    show_card(lines, kCardWait, quit);
}

void note_play_frame() {
    ++run_frames;
    if (frame_events.ball_lost) {
        cue_frames_left = kCueFrames;
        set_overlay(OverlayLayer::kCue, draw_ball_lost_cue);
    } else if (cue_frames_left > 0 && --cue_frames_left == 0) {
        clear_overlay(OverlayLayer::kCue);
    }
}

void close_level(bool (*quit)()) {
    cue_frames_left = 0;
    clear_overlay(OverlayLayer::kCue);
    if (quit() || game_over != 0 || level_done == 0) return;
    show_card({{level_words(level_playing) + " CLEAR", 3, makecol(128, 255, 128)}}, kCardWait, quit);
    if (level_playing == kLevelCount) show_ending(quit);
}

void end_run() {
    clear_overlay(OverlayLayer::kHealth);
    clear_overlay(OverlayLayer::kCue);
    clear_overlay(OverlayLayer::kCard);
}
