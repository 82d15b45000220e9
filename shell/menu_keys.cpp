#include "shell/menu_keys.h"

#include <allegro.h>

#include <cstdint>

#include "shell/pause.h"
#include "shell/screen_wait.h"

namespace {

// The joystick's moves and its first two buttons, one bit each.
constexpr uint32_t kStickUp = 1, kStickDown = 2, kStickLeft = 4, kStickRight = 8, kButton1 = 16,
                   kButton2 = 32;

uint32_t joystick_held() {
    const uint32_t buttons = read_joystick_buttons();  // polls; 0 without a joystick
    if (num_joysticks < 1) return 0;
    uint32_t held = 0;
    if (buttons & 1) held |= kButton1;
    if (buttons & 2) held |= kButton2;
    const JOYSTICK_STICK_INFO& stick = joy[0].stick[0];
    if (stick.num_axis > 0 && stick.axis[0].d1) held |= kStickLeft;
    if (stick.num_axis > 0 && stick.axis[0].d2) held |= kStickRight;
    if (stick.num_axis > 1 && stick.axis[1].d1) held |= kStickUp;
    if (stick.num_axis > 1 && stick.axis[1].d2) held |= kStickDown;
    return held;
}

uint32_t last_held = 0;

MenuKey key_of_scancode(int scancode) {
    switch (scancode) {
    case KEY_UP: return MenuKey::kUp;
    case KEY_DOWN: return MenuKey::kDown;
    case KEY_LEFT: return MenuKey::kLeft;
    case KEY_RIGHT: return MenuKey::kRight;
    case KEY_ENTER:
    case KEY_ENTER_PAD:
    case KEY_SPACE: return MenuKey::kChoose;
    case KEY_ESC: return MenuKey::kBack;
    default: return MenuKey::kNone;
    }
}

MenuKey key_of_joystick(uint32_t fresh) {
    if (fresh & kButton2) return MenuKey::kBack;
    if (fresh & kButton1) return MenuKey::kChoose;
    if (fresh & kStickUp) return MenuKey::kUp;
    if (fresh & kStickDown) return MenuKey::kDown;
    if (fresh & kStickLeft) return MenuKey::kLeft;
    if (fresh & kStickRight) return MenuKey::kRight;
    return MenuKey::kNone;
}

}  // namespace

void start_menu_keys() {
    clear_keybuf();
    last_held = joystick_held();
}

MenuKey read_menu_key() {
    while (keypressed()) {
        const MenuKey key = key_of_scancode(readkey() >> 8);
        if (key != MenuKey::kNone) return key;
    }
    const uint32_t held = joystick_held();
    const uint32_t fresh = held & ~last_held;
    last_held = held;
    return key_of_joystick(fresh);
}

MenuKey wait_menu_key(bool (*closed)()) {
    while (!closed()) {
        const MenuKey key = read_menu_key();
        if (key != MenuKey::kNone) return key;
        answer_display_key();
        rest(5);
    }
    return MenuKey::kBack;
}
