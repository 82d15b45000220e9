// Small worlds for tests, built from level text through the real loader.
#pragma once

#include <cstdint>
#include <string>

// Resets the world to program start, then loads `text` as the file of
// `level` (in a scratch directory that becomes the working directory).
void load_level_text(const std::string& text, int32_t level = 1);

// Loads `text` as the file of `level` without resetting the world first, as
// a level change does.
void load_next_level_text(const std::string& text, int32_t level);

// The scratch directory that load_level_text works in.
std::string scratch_dir();

// Runs `frames` frames with the given keys held ("U", "L", "R" letters).
void run_frames(int frames, const char* keys = "");
