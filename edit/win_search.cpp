#include "edit/win_search.h"

#include "edit/level_edit.h"
#include "tools/headbot_solve/simplify.h"

namespace {

// The start a test play and headbot-sim both begin from.
void to_level_start(const LevelDocument& doc, int32_t level) {
    start_fresh_world(level);
    apply_level_document(doc);
}

}  // namespace

WinSearch search_level(const LevelDocument& doc, int32_t level, double seconds,
                       const std::function<bool(const SearchProgress&)>& report) {
    WinSearch out;
    to_level_start(doc, level);
    SearchLimits limits;
    limits.seconds = seconds;
    SearchResult found = search_for_win(limits, [&](const SearchProgress& p) {
        out.stopped = !report(p);
        return !out.stopped;
    });
    out.seconds = found.progress.elapsed;
    out.states_tried = found.progress.states_tried;
    if (!found.won) return out;

    to_level_start(doc, level);
    const KeyPlan plan = simplified(found.plan, 2);
    // never offer keys that have not been seen to win
    to_level_start(doc, level);
    if (frames_to_win(plan) == 0) return out;
    for (const Hold& h : plan)
        for (int32_t i = 0; i < h.frames; ++i)
            out.record.add_frame(h.keys & kKeyUp, h.keys & kKeyLeft, h.keys & kKeyRight);
    out.won = true;
    return out;
}
