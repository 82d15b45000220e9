// "saved": the progress letter of the level most recently started.
#pragma once

#include <cstdint>
#include <string>

// Sets current_level from the first non-blank character of "saved", if it is
// a progress letter; anything else leaves current_level alone.
void read_progress();

// Replaces "saved" by a file holding the level's letter, if it has one, or
// nothing: the new file is written beside it and renamed over it, so "saved"
// never holds half a write. A folder that cannot be written is passed over:
// play goes on.
void write_progress(int32_t level);

// Whether "saved" can be written here, found without touching it: one line
// for the player when it cannot (progress will not be kept), else nothing.
std::string progress_write_problem();
