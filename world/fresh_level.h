// A level as a fresh program starts it: what headbot-sim --level N plays
// from, and where every time-trial attempt begins, whatever was played before.
#pragma once

#include <cstdint>

// Every global back to its program-start value but the screen size and pace
// that config.txt gave (the display is made at that size), then the level's
// file read as the game names it. Neither "saved" nor the tune is touched.
void start_fresh_level(int32_t level);
