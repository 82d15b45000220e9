#include "world/trial_time.h"

#include <cstdio>

std::string trial_time_text(int64_t frames) {
    if (frames < 0) frames = 0;
    const int64_t hundredths = frames / kTrialFramesASecond * 100 + frames % kTrialFramesASecond * 100 / kTrialFramesASecond;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", static_cast<long long>(hundredths / 6000),
                  static_cast<long long>(hundredths / 100 % 60), static_cast<long long>(hundredths % 100));
    return text;
}

std::string trial_difference_text(int64_t frames, int64_t against) {
    const int64_t d = frames - against;
    const char* sign = d > 0 ? "+" : d < 0 ? "-" : " ";
    return sign + trial_time_text(d < 0 ? -d : d);
}
