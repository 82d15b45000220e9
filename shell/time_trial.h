// The time trial, opened from the title: pick a course (a level, or the
// whole game), race the clock and your best run's ghost, watch the best and
// the par runs. The normal game's world is put back whole on the way out.
#pragma once

// Runs the trial's screens until the player goes back to the title (Esc,
// the joystick's second button) or `closed()` turns true.
void run_time_trial(bool (*closed)());
