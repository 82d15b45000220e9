// Times of the time trial: counted in frames, so that a time never depends
// on the machine, and shown at the shipped pace of 95 frames a second.
#pragma once

#include <cstdint>
#include <string>

constexpr int64_t kTrialFramesASecond = 95;

// "M:SS.hh": minutes, seconds and hundredths, the hundredths cut, not
// rounded, so a time is never shown shorter than it was.
std::string trial_time_text(int64_t frames);

// "+M:SS.hh" slower than `against`, "-M:SS.hh" faster, " 0:00.00" level.
std::string trial_difference_text(int64_t frames, int64_t against);
