#include "simplify.h"

#include <chrono>
#include <initializer_list>
#include <memory>

#include "sim/frame.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

// Neighbours with the same keys become one hold.
KeyPlan merged(const KeyPlan& plan) {
    KeyPlan out;
    for (const Hold& h : plan) {
        if (!out.empty() && out.back().keys == h.keys && out.back().frames + h.frames <= 65535)
            out.back().frames = static_cast<uint16_t>(out.back().frames + h.frames);
        else
            out.push_back(h);
    }
    return out;
}

// The plan up to the frame that wins.
KeyPlan cut_at(const KeyPlan& plan, int32_t frames) {
    KeyPlan out;
    for (const Hold& h : plan) {
        if (frames <= 0) break;
        int32_t n = std::min<int32_t>(h.frames, frames);
        out.push_back({h.keys, static_cast<uint16_t>(n)});
        frames -= n;
    }
    return out;
}

}  // namespace

int32_t frames_to_win(const KeyPlan& plan) {
    int32_t frames = 0;
    for (const Hold& h : plan) {
        hold_keys(h.keys);
        for (int32_t i = 0; i < h.frames; ++i) {
            run_frame();
            ++frames;
            if (game_over) return 0;
            if (level_done) return frames;
        }
    }
    return 0;
}

KeyPlan simplified(const KeyPlan& plan, double seconds) {
    auto start = std::make_unique<WorldSnapshot>();
    save_world(*start);
    const auto begun = std::chrono::steady_clock::now();
    auto out_of_time = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count() >
               seconds;
    };

    KeyPlan best = merged(plan);
    for (bool changed = true; changed && !out_of_time();) {
        changed = false;
        // the last hold ends at the win: what it holds is the win's own
        for (size_t i = 0; i + 1 < best.size() && !out_of_time(); ++i) {
            for (size_t from : {i - 1, i + 1}) {
                if (from >= best.size() || best[from].keys == best[i].keys) continue;
                KeyPlan tried = best;
                tried[i].keys = best[from].keys;
                tried = merged(tried);
                restore_world(*start);
                int32_t won_at = frames_to_win(tried);
                if (won_at == 0) continue;
                best = cut_at(tried, won_at);
                changed = true;
                break;
            }
        }
    }
    restore_world(*start);
    return best;
}
