// Setting up the library, the display and the pictures, and releasing them.
#pragma once

// 0 when the game is ready to run; otherwise the exit status, with the
// library already shut down: 1 without a usable display, 2 for a screen size
// no display can take or a picture that cannot be loaded or made (a line on
// stderr says which).
int start_up();

// Releases the pictures and the last tune and shuts the library down.
void tear_down();
