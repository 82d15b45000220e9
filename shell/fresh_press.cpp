#include "shell/fresh_press.h"

#include "shell/screen_wait.h"

namespace {

bool valid(int scancode) { return scancode >= 0 && scancode < kScancodes; }

}  // namespace

FreshPress wait_for_fresh_press(const FreshPressInput& input, FreshPressRules rules) {
    const int64_t start = input.now_ms();
    std::bitset<kScancodes> held;  // down since before the screen, or pressed while deaf
    for (int code = 0; code < kScancodes; ++code) held[code] = input.key_held(code);
    while (input.key_waiting()) input.take_key();  // pressed during play: not for this screen
    ButtonPresses buttons(input.buttons_held());

    while (!input.closed()) {
        const int64_t waited = input.now_ms() - start;
        if (rules.give_up_ms > 0 && waited >= rules.give_up_ms) return {FreshEnd::kTimeUp, 0};
        const bool deaf = waited < rules.deaf_ms;
        for (int code = 0; code < kScancodes; ++code)
            if (held[code] && !input.key_held(code)) held[code] = false;  // released: free again
        while (input.key_waiting()) {
            const int code = input.take_key();
            if (!valid(code)) continue;
            // a repeat of a key held all along, or a press too early to count
            if (held[code] || deaf) {
                held[code] = true;
                continue;
            }
            return {FreshEnd::kKey, code};
        }
        const uint32_t fresh_buttons = buttons.newly_pressed(input.buttons_held());
        if (fresh_buttons != 0 && !deaf) return {FreshEnd::kButton, 0, fresh_buttons};
        input.pause();
    }
    return {FreshEnd::kClosed, 0};
}
