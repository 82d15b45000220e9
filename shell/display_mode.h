// The game's window and fullscreen: the size of the screen the picture is
// enlarged into, and the switch between the two at any moment.
#pragma once

// Opens the display the configuration asks for: the scaled window, or
// fullscreen. A fullscreen that cannot be set falls back to the window.
// False when no mode at all can be set.
bool open_display();

// Alt+Enter: window to fullscreen or back. If the new mode cannot be set
// the game stays in the one it had; the world is not touched.
void toggle_fullscreen();

// Where the picture lies on the screen in the present mode.
struct Placement;
Placement display_placement();
