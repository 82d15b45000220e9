#include "render/trial_pictures.h"

#include <allegro.h>

#include <algorithm>

#include "render/assets.h"
#include "render/overlay_text.h"
#include "world/trial_time.h"
#include "world/world.h"

namespace {

constexpr int kLine = 20;  // a boxed line's height and a little room

int white() { return makecol(255, 255, 255); }
int gold() { return makecol(255, 200, 64); }
int grey() { return makecol(150, 150, 160); }

std::string time_or_dash(int64_t frames) { return frames > 0 ? trial_time_text(frames) : "-"; }

// A plain dark ground: the words read on it at any screen size.
void clear_picture(BITMAP* picture) { clear_to_color(picture, makecol(12, 12, 28)); }

void text_at(BITMAP* picture, int x, int y, const std::string& text, int colour) {
    textout_ex(picture, font, shown_text(text, 0).c_str(), x, y, colour, -1);
}

}  // namespace

void draw_trial_screen(BITMAP* picture, const TrialScreen& screen) {
    clear_picture(picture);
    const int mid = picture->w / 2;
    draw_boxed_text(picture, mid, 24, "TIME TRIAL", gold(), Align::kCentre, true);
    const int left = mid - 200;
    int y = 70;
    text_at(picture, left + 16, y, "COURSE", grey());
    text_at(picture, left + 200, y, "BEST", grey());
    text_at(picture, left + 312, y, "PAR", grey());
    y += kLine;
    for (size_t i = 0; i < screen.rows.size(); ++i, y += kLine) {
        const CourseRow& row = screen.rows[i];
        const bool chosen = static_cast<int>(i) == screen.chosen_row;
        if (chosen) rectfill(picture, left, y - 5, left + 400, y + 12, makecol(40, 40, 90));
        const int colour = chosen ? gold() : white();
        text_at(picture, left + 16, y, row.name, colour);
        text_at(picture, left + 200, y, time_or_dash(row.best) + (row.best_stale ? " *" : ""), colour);
        text_at(picture, left + 312, y, time_or_dash(row.par), colour);
    }
    y += kLine;
    static const char* const kActions[kTrialActionCount] = {"PLAY", "WATCH BEST", "WATCH PAR"};
    for (int a = 0; a < kTrialActionCount; ++a) {
        const bool chosen = a == screen.chosen_action;
        draw_boxed_text(picture, mid + (a - 1) * 140, y, kActions[a], chosen ? gold() : grey(), Align::kCentre,
                        chosen);
    }
    y += 2 * kLine;
    if (!screen.note.empty()) draw_boxed_text(picture, mid, y, screen.note, white());
    y += 2 * kLine;
    text_at(picture, left, y, "Up, Down: course     Left, Right: what to do", grey());
    text_at(picture, left, y + 12, "Enter or button 1: go     Esc or button 2: back", grey());
    text_at(picture, left, y + 24, "* set on another version of the level", grey());
}

void draw_trial_results(BITMAP* picture, const TrialResults& r) {
    clear_picture(picture);
    const int mid = picture->w / 2;
    const int left = mid - 200;
    draw_boxed_text(picture, mid, 24, r.course + (r.won ? ": WON" : ": NO TIME"), gold(), Align::kCentre, true);
    int y = 70;
    if (!r.won) {
        text_at(picture, left, y, "The robot's health ran out: the attempt has no time.", white());
        y += kLine;
    } else {
        text_at(picture, left, y, "Time", grey());
        text_at(picture, left + 100, y, trial_time_text(r.frames) + "   " + std::to_string(r.frames) + " frames",
                white());
        y += kLine;
        text_at(picture, left, y, "Best", grey());
        if (r.best_before > 0 && !r.best_stale)
            text_at(picture, left + 100, y,
                    trial_time_text(r.best_before) + "   " + trial_difference_text(r.frames, r.best_before), white());
        else
            text_at(picture, left + 100, y, "-", white());
        y += kLine;
        text_at(picture, left, y, "Par", grey());
        if (r.par > 0)
            text_at(picture, left + 100, y, trial_time_text(r.par) + "   " + trial_difference_text(r.frames, r.par),
                    white());
        else
            text_at(picture, left + 100, y, "-", white());
        y += kLine;
        for (size_t i = 0; i < r.splits.size(); ++i, y += 12) {
            std::string line = "level " + std::to_string(i + 1) + "  " + trial_time_text(r.splits[i]);
            if (i < r.best_splits.size()) line += "   " + trial_difference_text(r.splits[i], r.best_splits[i]);
            text_at(picture, left + 100, y, line, white());
        }
        y += kLine;
        if (r.new_best) draw_boxed_text(picture, mid, y, "NEW BEST!", gold(), Align::kCentre, true);
        y += 2 * kLine;
    }
    if (r.best_stale)
        draw_boxed_text(picture, mid, y, "Your best was set on another version of this level.", white());
    y += kLine + 4;
    if (!r.kept_error.empty()) {
        draw_boxed_text(picture, mid, y, "Your time could not be kept:", white());
        draw_boxed_text(picture, mid, y + kLine, r.kept_error, white());
    }
    text_at(picture, left, std::max(y + 3 * kLine, 400), "Enter or button 1: again   Esc or button 2: back",
            grey());
}

void draw_trial_clock(BITMAP* copy, int width, int64_t frames, const std::string& label) {
    draw_boxed_text(copy, width - 8, 8, trial_time_text(frames), white(), Align::kRight);
    if (!label.empty()) draw_boxed_text(copy, width - 8, 8 + kLine, label, grey(), Align::kRight);
}

void draw_ghost_robot(BITMAP* copy, int32_t x, int32_t y, int32_t facing) {
    BITMAP* sprite = facing == 1 ? player_right_sprite : player_left_sprite;
    if (!sprite) return;
    set_trans_blender(0, 0, 0, 110);
    draw_trans_sprite(copy, sprite, offset_x + x, offset_y + y);
}

void draw_title_hint(BITMAP* copy, int width, int height) {
    const int bottom = std::min(height, 480);
    draw_boxed_text(copy, std::min(width, 640) / 2, bottom - 20, "T: TIME TRIAL", makecol(255, 255, 255));
}
