#include "shell/pause.h"

#include <allegro.h>

#include <atomic>

#include "shell/display_mode.h"
#include "shell/presenter.h"

namespace {

// Set from the library's keyboard and window threads, taken by the game's.
std::atomic<bool> pause_pressed{false};
std::atomic<bool> focus_lost{false};
std::atomic<bool> display_key_pressed{false};

// Key presses come with their releases, so a held key (and the repeats
// some X servers send for it) counts once.
bool p_down = false;
bool enter_down = false;

bool alt_held() { return key[KEY_ALT] != 0 || key[KEY_ALTGR] != 0; }

void on_scancode(int scancode) {
    const bool released = (scancode & 0x80) != 0;
    const int code = scancode & 0x7f;
    if (code == KEY_P) {
        if (!released && !p_down) pause_pressed = true;
        p_down = !released;
    } else if (code == KEY_ENTER) {
        if (!released && !enter_down && alt_held()) display_key_pressed = true;
        enter_down = !released;
    }
}
END_OF_FUNCTION(on_scancode)

// Alt+Enter never reaches the key buffer: it must not leave the title screen.
int keep_display_key_out(int key_value) {
    if ((key_value >> 8) == KEY_ENTER && alt_held()) return 0;
    return key_value;
}
END_OF_FUNCTION(keep_display_key_out)

void on_focus_lost() { focus_lost = true; }
END_OF_FUNCTION(on_focus_lost)

bool take_pause_request() {
    const bool pressed = pause_pressed.exchange(false);
    const bool lost = focus_lost.exchange(false);
    return pressed || lost;
}

}  // namespace

void watch_shell_keys() {
    keyboard_lowlevel_callback = on_scancode;
    keyboard_callback = keep_display_key_out;
    // The game keeps running in the background (so that it can hold itself
    // paused), and hears of losing the focus.
    set_display_switch_mode(SWITCH_BACKGROUND);
    set_display_switch_callback(SWITCH_OUT, on_focus_lost);
}

void answer_display_key() {
    if (!display_key_pressed.exchange(false)) return;
    toggle_fullscreen();
    watch_shell_keys();
    // Setting a mode remaps the window, and the focus events of that come
    // later: they are the game's own doing, not the player leaving.
    rest(100);
    focus_lost = false;
}

void forget_pause_requests() {
    pause_pressed = false;
    focus_lost = false;
}

void hold_while_paused(bool (*quit)()) {
    answer_display_key();
    if (!take_pause_request()) return;
    midi_pause();
    show_pause_sign(true);
    // Getting the focus back does not resume: the player may not be ready.
    while (!quit()) {
        answer_display_key();
        if (pause_pressed.exchange(false)) break;
        focus_lost = false;
        rest(5);
    }
    show_pause_sign(false);
    midi_resume();
}
