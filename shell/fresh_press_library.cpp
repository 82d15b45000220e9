// The fresh-press wait on the library's keyboard, joystick and a clock.
#include <allegro.h>

#include <chrono>

#include "shell/fresh_press.h"
#include "shell/pause.h"
#include "shell/screen_wait.h"

namespace {

bool (*window_closed)() = nullptr;

int64_t steady_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

FreshPress wait_for_fresh_library_press(FreshPressRules rules, bool (*closed)()) {
    window_closed = closed;
    static const FreshPressInput library_input = {
        [] { return keypressed() != 0; },
        [] { return readkey() >> 8; },
        [](int scancode) { return scancode > 0 && scancode < KEY_MAX && key[scancode] != 0; },
        read_joystick_buttons,
        [] { return window_closed && window_closed(); },
        [] {
            answer_display_key();  // Alt+Enter switches the mode and the wait goes on
            rest(5);
        },
        steady_ms,
    };
    return wait_for_fresh_press(library_input, rules);
}
