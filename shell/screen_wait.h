// Leaving the title and game-over screens: a key, or a new press of any
// button of the first joystick, so that a gamepad alone plays the game.
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

// What a screen's wait reads and does; the game gives it the library's
// keyboard and joystick, tests give it their own.
struct ScreenWaitInput {
    bool (*key_waiting)();       // a key press lies in the keyboard buffer
    void (*take_key)();          // removes that one press
    uint32_t (*buttons_held)();  // as read_joystick_buttons
    bool (*closed)();            // the window's close button was pressed
    void (*pause)();             // a few milliseconds between looks
};

enum class WaitEnd { kKey, kButton, kClosed };

// Waits until a key is pressed (one waiting in the buffer ends the wait at
// once and is taken), a joystick button is newly pressed, or the window is
// closed.
WaitEnd wait_for_key_or_button(const ScreenWaitInput& input);
