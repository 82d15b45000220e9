#include "measure.h"

#include <algorithm>
#include <sstream>

#include "sim/frame.h"
#include "world/frame_events.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace {

// Run lengths are held to the longest play anyone measures.
constexpr int64_t kLongestScript = 10000000;

}  // namespace

FrameKeys frame_keys(const KeyScript& script) {
    FrameKeys keys;
    for (const KeyRun& run : script.runs) {
        int64_t room = kLongestScript - static_cast<int64_t>(keys.size());
        keys.insert(keys.end(), static_cast<size_t>(std::min(run.count, room)), key_bits(run));
    }
    return keys;
}

Play play_level(const std::string& level_text, int32_t level, const FrameKeys& keys,
                int64_t limit) {
    reset_world();
    current_level = level;
    std::istringstream in(level_text);
    read_level_records(in);
    settle_level_start();
    Play play;
    while (play.frames < limit) {
        uint8_t now = play.frames < static_cast<int64_t>(keys.size()) ? keys[play.frames] : 0;
        hold_keys(now);
        run_frame();
        ++play.frames;
        // the game's own header: the first frame of the ball on the robot's head
        if (frame_events.header) play.header_frames.push_back(play.frames);
        if (game_over) return play;
        if (level_done) {
            play.won = true;
            return play;
        }
    }
    return play;
}

FrameKeys shifted(const KeyScript& script, size_t run, int64_t shift) {
    FrameKeys keys = frame_keys(script);
    // counts are summed only as far as the frames that exist, so that no
    // count, however large, can overflow the sum
    int64_t total = static_cast<int64_t>(keys.size());
    int64_t start = 0;
    for (size_t i = 0; i < run; ++i) start = std::min(total, start + std::min(total, script.runs[i].count));
    int64_t end = std::min(total, start + std::min(total, script.runs[run].count));
    uint8_t own = key_bits(script.runs[run]);
    // the gap left behind is filled by the neighbour on that side (nothing
    // before the first run and after the last)
    uint8_t fill = 0;
    if (shift > 0 && start > 0) fill = keys[start - 1];
    if (shift < 0 && end < total) fill = keys[end];
    if (shift > 0) keys.resize(std::max(total, end + shift), 0);
    for (int64_t f = start; f < end; ++f) keys[f] = fill;
    for (int64_t f = std::max<int64_t>(0, start + shift); f < end + shift; ++f) keys[f] = own;
    return keys;
}

int64_t median_gap(const std::vector<int64_t>& header_frames) {
    std::vector<int64_t> gaps;
    for (size_t i = 1; i < header_frames.size(); ++i)
        gaps.push_back(header_frames[i] - header_frames[i - 1]);
    if (gaps.empty()) return 0;
    std::sort(gaps.begin(), gaps.end());
    size_t n = gaps.size();
    return n % 2 ? gaps[n / 2] : (gaps[n / 2 - 1] + gaps[n / 2]) / 2;
}

Figures figures_of(const Play& play, const FrameKeys& keys) {
    Figures f;
    f.frames = play.frames;
    int64_t stretch = 0;
    for (int64_t i = 0; i < play.frames; ++i) {
        bool idle = i >= static_cast<int64_t>(keys.size()) || keys[i] == 0;
        stretch = idle ? stretch + 1 : 0;
        f.idle_frames += idle;
        f.longest_idle = std::max(f.longest_idle, stretch);
    }
    f.headers = static_cast<int64_t>(play.header_frames.size());
    f.median_gap = median_gap(play.header_frames);
    for (size_t i = 1; i < play.header_frames.size(); ++i)
        f.longest_gap = std::max(f.longest_gap, play.header_frames[i] - play.header_frames[i - 1]);
    return f;
}
