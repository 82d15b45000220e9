// The first joystick's buttons, and new presses told from held ones: what
// the screens' waits (fresh_press.h) read, so that a gamepad alone plays.
#pragma once

#include <cstdint>

// The first joystick's buttons as it holds them now, one bit each (bit 0 is
// the first button): the joystick is polled first. 0 without a joystick.
uint32_t read_joystick_buttons();

// Tells a new button press from a button held since the screen appeared: the
// jump that ended a level counts only once released and pressed again.
class ButtonPresses {
public:
    explicit ButtonPresses(uint32_t held_at_start) : held_(held_at_start) {}

    // True when a button is down now that was up at the last look.
    bool pressed(uint32_t held_now) { return newly_pressed(held_now) != 0; }

    // The buttons down now that were up at the last look, a bit each.
    uint32_t newly_pressed(uint32_t held_now) {
        const uint32_t fresh = held_now & ~held_;
        held_ = held_now;
        return fresh;
    }

private:
    uint32_t held_;
};
