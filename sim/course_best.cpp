#include "sim/course_best.h"

#include <sstream>

#include "sim/trial_run.h"
#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_table.h"

namespace {

bool read_script(const std::string& file, std::string& text, KeyScript& script) {
    text = read_player_file(file, kLargestRunScript);
    std::istringstream in(text);
    std::string error;
    return !text.empty() && parse_key_script(in, script, error) && !script.runs.empty();
}

// Plays the script: a best or par is its win, in the frames it takes.
CourseBest won_by(int32_t course, KeyScript script) {
    CourseBest best;
    const CourseReplay replay = replay_course(course, script);
    if (!replay.won) return best;
    best.kind = BestKind::kCurrent;
    best.frames = replay.frames;
    best.splits = replay.splits;
    best.script = std::move(script);
    return best;
}

}  // namespace

CourseBest check_best(int32_t course, const BestTimes& times) {
    const std::string fingerprint = course_fingerprint(course);
    const BestTime& kept = times.course[course];
    std::string text;
    KeyScript script;
    const bool readable = read_script(best_run_file(course), text, script);
    // the fingerprint the run was set on: its script's, or the times file's
    const std::string set_on = readable ? fingerprint_in_key_script(text) : kept.fingerprint;
    if (!set_on.empty() && set_on != fingerprint) {
        CourseBest stale;
        stale.kind = BestKind::kStale;
        if (kept.fingerprint == set_on) stale.frames = kept.frames;
        return stale;
    }
    if (!readable) return CourseBest();
    return won_by(course, std::move(script));
}

std::string par_file(int32_t course) {
    const LevelEntry* entry = level_entry(course);
    return std::string("par-") + (entry ? entry->file : "full-game") + ".keys";
}

int64_t stated_par_frames(const std::string& text) {
    const std::string mark = " won in ";
    const size_t line_end = text.find('\n');
    const size_t at = text.find(mark);
    if (text.rfind("# par: ", 0) != 0 || at == std::string::npos || at > line_end) return 0;
    int64_t frames = 0;
    for (size_t i = at + mark.size(); i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        frames = frames * 10 + (text[i] - '0');
        if (frames > kLongestTrialRun) return 0;
    }
    return frames;
}

CourseBest check_par(int32_t course) {
    std::string text;
    KeyScript script;
    if (!read_script(par_file(course), text, script)) return CourseBest();
    CourseBest par = won_by(course, std::move(script));
    // a par is for the levels it was found on: another version of them wins
    // in other frames, or not at all
    if (par.frames != stated_par_frames(text)) return CourseBest();
    return par;
}
