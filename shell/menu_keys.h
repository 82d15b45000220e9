// Moving about the time trial's screens with the keyboard or a joystick:
// the arrows or the first stick move, Enter (Space) or the first button
// chooses, Esc or the second button goes back.
#pragma once

enum class MenuKey { kNone, kUp, kDown, kLeft, kRight, kChoose, kBack };

// From now on, a stick or button held already counts only once released
// and pressed again; the keys typed before are forgotten.
void start_menu_keys();

// The next press, without waiting: kNone when there is none.
MenuKey read_menu_key();

// Waits for the next press, answering Alt+Enter meanwhile; kBack when the
// window is closed.
MenuKey wait_menu_key(bool (*closed)());
