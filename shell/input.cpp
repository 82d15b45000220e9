#include "shell/input.h"

#include <allegro.h>

#include "world/world.h"

namespace {

// Under X a held key reads -1, not 1: anything but 0 is held.
uint8_t held(int value) { return value != 0 ? 1 : 0; }

}  // namespace

void poll_keys_and_joystick() {
    poll_joystick();  // no joystick: its state stays all zero
    held_keys.up = held(key[KEY_UP]);
    held_keys.right = held(key[KEY_RIGHT]);
    held_keys.left = held(key[KEY_LEFT]);
    held_keys.joy_button = held(joy[0].button[0].b);
    held_keys.joy_right = held(joy[0].stick[0].axis[0].d2);
    held_keys.joy_left = held(joy[0].stick[0].axis[0].d1);
}
