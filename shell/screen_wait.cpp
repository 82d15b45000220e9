#include "shell/screen_wait.h"

#include <allegro.h>

#include <algorithm>

uint32_t read_joystick_buttons() {
    poll_joystick();  // without a joystick driver it does nothing
    // no joystick, or none the library could set up: the keyboard alone
    if (num_joysticks < 1) return 0;
    const int count = std::min(joy[0].num_buttons, MAX_JOYSTICK_BUTTONS);  // bits in held
    uint32_t held = 0;
    for (int i = 0; i < count; ++i)
        if (joy[0].button[i].b != 0) held |= uint32_t{1} << i;
    return held;
}
