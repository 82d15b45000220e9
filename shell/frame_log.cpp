#ifdef HEADBOT_FRAME_LOG
#include "shell/frame_log.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace {

// Enough for an hour at 100 frames a second; later frames are not noted.
constexpr int kMostFrames = 360000;
int64_t frame_end_us[kMostFrames];
int frames_logged = 0;

}  // namespace

void log_frame_end() {
    if (frames_logged >= kMostFrames) return;
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    frame_end_us[frames_logged++] = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

void write_frame_log() {
    FILE* out = std::fopen("frame_times.txt", "wb");
    if (!out) return;
    for (int i = 1; i < frames_logged; ++i)
        std::fprintf(out, "%lld\n", static_cast<long long>(frame_end_us[i] - frame_end_us[i - 1]));
    std::fclose(out);
}
#endif
