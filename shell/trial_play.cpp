#include "shell/trial_play.h"

#include <allegro.h>

#include <string>

#include "render/trial_pictures.h"
#include "shell/music.h"
#include "shell/input.h"
#include "shell/overlay.h"
#include "shell/pause.h"
#include "shell/play_frame.h"
#include "shell/play_record.h"
#include "shell/play_screens.h"
#include "shell/screen_wait.h"
#include "shell/sound_effects.h"
#include "sim/frame.h"
#include "sim/ghost.h"
#include "world/best_times.h"
#include "world/level_table.h"
#include "world/trial_time.h"
#include "world/world.h"

namespace {

bool (*window_closed)() = nullptr;
KeyCursor* watched_keys = nullptr;

// What the game would be playing in this level: the last tune started at or
// before it, the title's before any.
const char* tune_of_level(int32_t level) {
    for (int32_t l = level; l >= 1; --l)
        if (level_entry(l) && level_entry(l)->tune) return level_entry(l)->tune;
    return kTitleTune;
}

void hold_watched_keys() { hold_keys(key_bits(watched_keys->next())); }

// Esc held, or pressed and let go between two looks: a tap shorter than a
// frame gives up too. Play reads no other key from the buffer.
bool given_up() {
    bool esc_tapped = false;
    while (keypressed()) esc_tapped = (readkey() >> 8) == KEY_ESC || esc_tapped;
    return esc_tapped || key[KEY_ESC] != 0 || window_closed();
}

// The clock shows the frame being drawn: one more than the frames counted
// before it. In the whole game the level and the last split go under it.
void show_clock(const TrialRun& run, const bool& playing, const char* watching) {
    set_overlay(OverlayLayer::kClock, [&run, &playing, watching](BITMAP* copy, int width, int) {
        std::string label = watching ? watching : "";
        if (run.course() == kWholeGame) {
            label += (label.empty() ? "" : "  ") + std::string("level ") +
                     std::to_string(current_level > kLevelCount ? kLevelCount : current_level);
            if (!run.splits().empty()) label += "  split " + trial_time_text(run.splits().back());
        }
        draw_trial_clock(copy, width, run.frames() + (playing ? 1 : 0), label);
    });
}

void show_ghost(const Ghost* ghost) {
    if (!ghost) return;
    set_overlay(OverlayLayer::kGhost, [ghost](BITMAP* copy, int, int) {
        const GhostRobot& robot = ghost->robot();
        // in the whole game the ghost shows only while on the player's level
        if (robot.shown && robot.level == current_level) draw_ghost_robot(copy, robot.x, robot.y, robot.facing);
    });
}

}  // namespace

TrialState play_course(TrialRun& run, int32_t course, Ghost* ghost, const KeyScript* watched,
                       const char* watching, bool (*closed)()) {
    window_closed = closed;
    static const KeyScript no_keys;
    KeyCursor cursor(watched ? *watched : no_keys);
    int64_t script_frames = 0;
    if (watched) {
        for (const KeyRun& r : watched->runs) script_frames += r.count;
        watched_keys = &cursor;
    }
    void (*const players_poll)() = poll_input;
    poll_input = watched ? hold_watched_keys : poll_keys_and_joystick;

    run.start(course);
    play_tune(tune_of_level(current_level));
    record_level_start();
    bool playing = true;
    show_clock(run, playing, watching);
    show_ghost(ghost);
    start_run();  // the health bar's frame and the lost ball's cue, as in the game
    clear_keybuf();
    forget_pause_requests();
    ButtonPresses back_button(read_joystick_buttons());

    TrialState state = TrialState::kPlaying;
    while (!given_up() && !(back_button.pressed(read_joystick_buttons() & 2))) {
        if (run.before_frame()) {
            play_tune(tune_of_level(current_level));
            record_level_start();
        }
        if (ghost) ghost->step();
        play_frame();
        state = run.after_frame();
        record_frame();
        play_frame_sounds();
        note_play_frame();
        hold_while_paused(given_up);
        if (state != TrialState::kPlaying) break;
        // a watched script that ran out without a win stops a frame after
        if (watched && run.frames() > script_frames) break;
    }
    playing = false;
    poll_input = players_poll;
    watched_keys = nullptr;
    clear_overlay(OverlayLayer::kGhost);
    clear_overlay(OverlayLayer::kClock);
    end_run();
    return state;
}
