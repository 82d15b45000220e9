// One line of numbers for the world as a frame leaves it: what a replay is
// compared by, the same for headbot-sim and the game's own recording.
#pragma once

#include <cstdint>
#include <cstdio>

// The line naming the columns, starting with "#".
extern const char kTraceHeader[];

// The frame number, then the level, the robot, the ball, the camera, the
// boss, the falling spider, the blocks present, the spiders alive and the
// two flags, space-separated, ending with a line break.
void print_trace_line(FILE* out, int64_t frame);
