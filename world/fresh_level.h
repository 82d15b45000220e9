// A level as a fresh program starts it: what headbot-sim --level N plays
// from, where every time-trial attempt and every test play in the editor
// begins, whatever was played before.
#pragma once

#include <cstdint>

// A world at its program-start values but for the screen size and pace
// config.txt gave at start-up (the display is made at that size), on
// `level`, before its file is read.
void start_fresh_world(int32_t level);

// start_fresh_world(), then the level's file read as the game names it.
// Neither "saved" nor the tune is touched.
void start_fresh_level(int32_t level);
