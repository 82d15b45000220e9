// Fullscreen is a borderless window over the whole desktop, never a change
// of the monitor's mode: many systems cannot change it, and a window keeps
// the desktop as it was. How a window loses its frame is the window system's.
#pragma once

// Called just before the display mode for `full` is set, and just after it
// was set. Nothing else about the game depends on them.
void before_window_mode(bool full);
void after_window_mode(bool full);
