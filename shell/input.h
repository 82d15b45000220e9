// What the player holds, read from the library once per frame.
#pragma once

// Polls the joystick and copies the arrow keys and the first stick and
// button into held_keys.
void poll_keys_and_joystick();
