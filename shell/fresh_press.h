// Leaving a screen only by a press made after it appeared. Arrows held or
// hammered during play pile up in the library's keyboard buffer and a held
// key repeats; either would leave the game-over screen or the title before
// anyone saw it. A key held when the screen appears counts only once
// released and pressed again, a joystick button the same.
#pragma once

#include <bitset>
#include <cstdint>

constexpr int kScancodes = 128;  // the library's scancodes are below this

// What the wait reads and does; the game gives it the library's keyboard,
// joystick and clock, tests their own.
struct FreshPressInput {
    bool (*key_waiting)();          // a press lies in the keyboard buffer
    int (*take_key)();              // removes that press, gives its scancode
    bool (*key_held)(int scancode); // the key is down now
    uint32_t (*buttons_held)();     // the first joystick's buttons, a bit each
    bool (*closed)();               // the window's close button was pressed
    void (*pause)();                // a few milliseconds between looks
    int64_t (*now_ms)();            // a clock that only goes forward
};

struct FreshPressRules {
    // Presses in the first milliseconds are dropped too: a player who was
    // hammering the jump as the robot died sees the screen before it goes.
    int64_t deaf_ms = 0;
    // The wait ends by itself after this long; 0 waits for ever.
    int64_t give_up_ms = 0;
};

enum class FreshEnd { kKey, kButton, kClosed, kTimeUp };

struct FreshPress {
    FreshEnd end = FreshEnd::kClosed;
    int scancode = 0;  // the key's, for FreshEnd::kKey
    uint32_t buttons = 0;  // the buttons newly down, for FreshEnd::kButton
};

// Empties the keyboard buffer, then waits for a fresh press, the close
// button or the time.
FreshPress wait_for_fresh_press(const FreshPressInput& input, FreshPressRules rules);

// The same with the library's keyboard and joystick, answering Alt+Enter
// while it waits. `closed` says whether the window's close button was pressed.
FreshPress wait_for_fresh_library_press(FreshPressRules rules, bool (*closed)());
