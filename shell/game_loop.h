// The game between start-up and teardown: title, levels, game over, again.
#pragma once

// Runs until Esc is held (or the window is closed) as a new game would begin;
// returns with the music stopped.
void run_game();

// Called from the library's own thread when the window's close button is
// pressed: the game then ends as if Esc were held.
void request_close();
