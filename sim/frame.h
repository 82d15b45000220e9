// One frame of the world, in the game's one frame order.
#pragma once

// The frontend's joystick poll, run between the camera step and the input
// steps. The game points it at a function that polls the library and copies
// the held keys into held_keys; tests and headbot-sim set held_keys themselves.
extern void (*poll_input)();

// Runs every update of one frame, then counts the frame for drawing.
// True when this frame is to be drawn.
bool run_frame();

// The drawing decision alone: one frame in every frame_skip + 1 is drawn.
bool count_frame_for_drawing();
