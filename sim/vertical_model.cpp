#include "sim/vertical_model.h"

#include <algorithm>

int32_t moved(int32_t position, int32_t step) {
    return std::clamp(position + step, -kFarLimit, kFarLimit);
}

void advance_fall(int32_t& fall_step, int32_t& fall_accum, int32_t& step_counter) {
    step_counter = step_counter + 1;
    // beyond the far limit the velocity changes nothing any more: the step
    // is long held at 9
    fall_accum = std::min(fall_accum + 1, kFarLimit);
    if (step_counter > 20) {
        fall_step = fall_accum / 10;
        step_counter = 0;
    }
    if (fall_accum < -90) fall_step = -9;
    if (fall_accum > 90) fall_step = 9;
}
