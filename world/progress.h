// "saved": the progress letter of the level most recently started.
#pragma once

#include <cstdint>

// Sets current_level from the first non-blank character of "saved", if it is
// a progress letter; anything else leaves current_level alone.
void read_progress();

// Empties "saved" and writes the level's letter, if it has one. A file that
// cannot be written is passed over: play goes on.
void write_progress(int32_t level);
