#include "shell/game_loop.h"

#include <allegro.h>

#include <atomic>

#include "render/assets.h"
#include "render/trial_pictures.h"
#include "shell/frame_log.h"
#include "shell/fresh_press.h"
#include "shell/input.h"
#include "shell/music.h"
#include "shell/overlay.h"
#include "shell/pack_title_sign.h"
#include "shell/pause.h"
#include "shell/play_frame.h"
#include "shell/play_record.h"
#include "shell/play_screens.h"
#include "shell/presenter.h"
#include "shell/sound_effects.h"
#include "shell/time_trial.h"
#include "sim/frame.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

// Set from the library's own thread when the window is closed.
std::atomic<bool> close_requested{false};

// Esc counts only where a loop decides whether to go on, never mid-frame.
bool quit_held() { return key[KEY_ESC] != 0 || close_requested; }

// The title and game-over pictures are 640 by 480 whatever the screen size:
// they are cut at a smaller screen, a larger one stays black, and the whole
// is enlarged as the frames are.
void show_picture(BITMAP* picture) { present(picture, 640, 480); }

// Only a key or button pressed after the screen appeared leaves it (see
// fresh_press.h); closing the window does too.
FreshPress wait_for_key(FreshPressRules rules = {}) {
    const FreshPress press = wait_for_fresh_library_press(rules, [] { return close_requested.load(); });
    forget_pause_requests();
    return press;
}

bool window_closed() { return close_requested; }

// T, or the joystick's second button, on the title opens the time trial;
// every other key starts the game as it always did.
bool wants_time_trial(const FreshPress& press) {
    if (press.end == FreshEnd::kKey) return press.scancode == KEY_T;
    return press.end == FreshEnd::kButton && (press.buttons & 2) != 0;
}

// After a death the game-over screen stays a moment whatever is pressed.
constexpr FreshPressRules kAfterDeath{500, 0};

void play_level() {
    while (!quit_held() && level_done == 0) {
        play_frame();
        record_frame();  // the world as the frame left it: drawing and rest change nothing
        play_frame_sounds();
        note_play_frame();
        log_frame_end();
        hold_while_paused(quit_held);  // between two frames: the world waits whole
    }
}

}  // namespace

void request_close() { close_requested = true; }

void run_game() {
    start_tune = play_tune;
    poll_input = poll_keys_and_joystick;

    while (!quit_held()) {
        play_tune(kTitleTune);
        game_over = 0;
        level_done = 0;
        player.lives = 1;
        player.health = 100;
        show_pack_title();
        set_overlay(OverlayLayer::kTitleHint, draw_title_hint);
        show_picture(title_image);
        const FreshPress title_press = wait_for_key();
        hide_pack_title();
        clear_overlay(OverlayLayer::kTitleHint);
        if (!quit_held() && wants_time_trial(title_press)) {
            run_time_trial(window_closed);
            continue;
        }
        read_progress();
        bool played = false;
        start_run();
        while (!quit_held() && game_over == 0) {
            load_level();
            record_level_start();
            played = true;
            introduce_level(quit_held);
            play_level();
            close_level(quit_held);
        }
        end_run();
        show_picture(game_over_image);
        // Esc held as play ends closes the game: the screen only flashes up
        if (!(played && quit_held())) wait_for_key(game_over != 0 ? kAfterDeath : FreshPressRules{});
    }
    stop_midi();
}
