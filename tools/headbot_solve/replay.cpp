#include "replay.h"

#include <sstream>

#include "sim/frame.h"
#include "world/world.h"

std::string script_text(const KeyPlan& plan) {
    std::string text;
    for (const Hold& h : plan)
        text += key_script_line({h.frames, (h.keys & kKeyUp) != 0, (h.keys & kKeyLeft) != 0,
                                 (h.keys & kKeyRight) != 0});
    return text;
}

ReplayFacts replay_script(const LevelStart& start, const std::string& text) {
    ReplayFacts facts;
    KeyScript script;
    std::string error;
    std::istringstream in(text);
    if (!parse_key_script(in, script, error) || !load_level_start(start)) return facts;

    facts.key_changes = script.runs.empty() ? 0 : static_cast<int32_t>(script.runs.size()) - 1;
    for (size_t i = 0; i + 1 < script.runs.size(); ++i)
        if (facts.shortest_hold == 0 || script.runs[i].count < facts.shortest_hold)
            facts.shortest_hold = script.runs[i].count;

    int64_t total = 0;
    for (const KeyRun& r : script.runs) total += r.count;
    KeyCursor cursor(script);
    // one frame past the script's end, to be sure the win is its own doing
    for (facts.frames = 0; facts.frames <= total;) {
        hold_keys(key_bits(cursor.next()));
        run_frame();
        ++facts.frames;
        facts.headers += frame_events.header;
        if (game_over) return facts;
        if (level_done) {
            facts.won = facts.frames <= total;
            return facts;
        }
    }
    return facts;
}
