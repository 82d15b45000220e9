#include "shell/game_loop.h"

#include <allegro.h>

#include <atomic>

#include "render/assets.h"
#include "render/trial_pictures.h"
#include "shell/frame_log.h"
#include "shell/input.h"
#include "shell/music.h"
#include "shell/overlay.h"
#include "shell/pause.h"
#include "shell/play_frame.h"
#include "shell/play_record.h"
#include "shell/presenter.h"
#include "shell/screen_wait.h"
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

bool window_closed() { return close_requested; }

// What ended the last wait: the key's scancode, the buttons newly down.
int last_scancode = 0;
uint32_t buttons_now = 0;
uint32_t buttons_before = 0;

// readkey(), except that a new joystick button press or closing the window
// ends the wait too. A key still in the buffer (the Esc that ended play, say)
// ends it at once. Alt+Enter switches the display mode and goes on waiting.
WaitEnd wait_for_key() {
    static const ScreenWaitInput library_input = {
        [] { return keypressed() != 0; },
        [] { last_scancode = readkey() >> 8; },
        [] {
            buttons_before = buttons_now;
            buttons_now = read_joystick_buttons();
            return buttons_now;
        },
        [] { return close_requested.load(); },
        [] {
            answer_display_key();
            rest(5);
        },
    };
    buttons_now = 0;
    const WaitEnd end = wait_for_key_or_button(library_input);
    forget_pause_requests();
    return end;
}

// T, or the joystick's second button, on the title opens the time trial;
// every other key starts the game as it always did.
bool wants_time_trial(WaitEnd end) {
    if (end == WaitEnd::kKey) return last_scancode == KEY_T;
    return end == WaitEnd::kButton && ((buttons_now & ~buttons_before) & 2) != 0;
}

void play_level() {
    while (!quit_held() && level_done == 0) {
        play_frame();
        record_frame();  // the world as the frame left it: drawing and rest change nothing
        play_frame_sounds();
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
        set_overlay(OverlayLayer::kTitleHint, draw_title_hint);
        show_picture(title_image);
        const WaitEnd title_end = wait_for_key();
        clear_overlay(OverlayLayer::kTitleHint);
        if (!quit_held() && wants_time_trial(title_end)) {
            run_time_trial(window_closed);
            continue;
        }
        read_progress();
        while (!quit_held() && game_over == 0) {
            load_level();
            record_level_start();
            play_level();
        }
        show_picture(game_over_image);
        wait_for_key();
    }
    stop_midi();
}
