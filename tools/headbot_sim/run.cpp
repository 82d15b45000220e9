#include "run.h"

#include "sim/frame.h"
#include "world/config.h"
#include "world/level_loader.h"
#include "world/progress.h"
#include "world/trace.h"
#include "world/world.h"

// Plays level after level until the K-th level end, a game over or the
// frame limit; returns the outcome word.
static const char* play_levels(const RunOptions& options, const KeyScript& script, FILE* out,
                        int64_t& frames) {
    KeyCursor keys(script);
    int64_t level_ends = 0;
    for (;;) {
        load_level();
        bool level_ended = false;
        while (frames < options.frames && !level_ended) {
            hold_keys(key_bits(keys.next()));
            run_frame();
            ++frames;
            if (options.trace) print_trace_line(out, frames);
            if (game_over) return "over";
            if (level_done) {
                ++level_ends;
                if (level_ends >= options.levels) return "won";
                level_ended = true;
            }
        }
        if (!level_ended) return "stopped";
    }
}

void run_headless(const RunOptions& options, const KeyScript& script, FILE* out) {
    read_config_file("config.txt");
    if (options.level_given)
        current_level = options.level;
    else
        read_progress();
    if (options.trace) std::fputs(kTraceHeader, out);
    int64_t frames = 0;
    const char* outcome = play_levels(options, script, out, frames);
    std::fprintf(out, "result: %s frames=%lld level=%d\n", outcome, static_cast<long long>(frames),
                 current_level);
}
