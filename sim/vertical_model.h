// The vertical model shared by the robot and the boss.
#pragma once

#include <cstdint>

// Anything that moves every frame is held inside these bounds, far outside
// any level, so that a motion that never ends cannot overflow.
constexpr int32_t kFarLimit = 1000000000;

// position + step, held within the far limit.
int32_t moved(int32_t position, int32_t step);

// One airborne frame: the velocity grows by a tenth of a pixel, and every
// 21 frames the step is refreshed from it, never beyond 9 pixels a frame.
void advance_fall(int32_t& fall_step, int32_t& fall_accum, int32_t& step_counter);
