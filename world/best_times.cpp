#include "world/best_times.h"

#include <fstream>
#include <sstream>

#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_table.h"
#include "world/owned_file.h"

namespace {

const char kVersionLine[] = "# headbot best times 1";
const char kVersionMark[] = "# headbot best times ";

// A run longer than this is no run a player made (a day of play).
constexpr int64_t kMostFrames = 95LL * 60 * 60 * 24;

constexpr size_t kLargestTimesFile = 64 * 1024;
constexpr size_t kLargestLevelFile = 64 * 1024 * 1024;

bool parse_course(const std::string& word, int32_t& course) {
    if (word == "game") {
        course = kWholeGame;
        return true;
    }
    if (word.size() != 1 || word[0] < '1' || word[0] > '7') return false;
    course = word[0] - '0';
    return true;
}

bool parse_frames(const std::string& word, int64_t& frames) {
    if (word.empty() || word.size() > 9) return false;
    frames = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        frames = frames * 10 + (c - '0');
    }
    return frames >= 1 && frames <= kMostFrames;
}

bool is_fingerprint(const std::string& word) {
    if (word.size() != 16) return false;
    for (char c : word)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

std::string course_word(int32_t course) {
    return course == kWholeGame ? "game" : std::to_string(course);
}

}  // namespace

std::string course_name(int32_t course) {
    return course == kWholeGame ? "the whole game" : "level " + std::to_string(course);
}

std::string best_run_file(int32_t course) {
    return course == kWholeGame ? "best-game.keys" : "best" + std::to_string(course) + ".keys";
}

std::string course_fingerprint(int32_t course) {
    const LevelEntry* entry = level_entry(course);
    if (entry) return text_fingerprint(read_player_file(entry->file, kLargestLevelFile));
    std::string levels;
    for (int32_t level = 1; level <= kLevelCount; ++level) levels += course_fingerprint(level);
    return text_fingerprint(levels);
}

BestTimes parse_best_times(const std::string& text) {
    BestTimes times;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line)) return times;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line != kVersionLine) {
        times.other_version = line.rfind(kVersionMark, 0) == 0;
        return times;
    }
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string course_text, frames_text, fingerprint, extra;
        fields >> course_text >> frames_text >> fingerprint;
        int32_t course = 0;
        int64_t frames = 0;
        if (!parse_course(course_text, course) || !parse_frames(frames_text, frames) ||
            !is_fingerprint(fingerprint) || (fields >> extra))
            continue;
        times.course[course] = BestTime{frames, fingerprint};
    }
    return times;
}

std::string best_times_text(const BestTimes& times) {
    std::string text = std::string(kVersionLine) + "\n# course, frames at 95 a second, level fingerprint\n";
    for (int32_t c = 1; c <= kCourseCount; ++c) {
        const int32_t course = c % kCourseCount;  // the levels first, the whole game last
        const BestTime& best = times.course[course];
        if (best.frames > 0)
            text += course_word(course) + " " + std::to_string(best.frames) + " " + best.fingerprint + "\n";
    }
    return text;
}

std::string read_player_file(const std::string& name, size_t limit) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return "";
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
        if (text.size() > limit) return "";
    }
    if (in.bad()) return "";
    return text;
}

BestTimes read_best_times() { return parse_best_times(read_player_file(kBestTimesFile, kLargestTimesFile)); }

bool keep_best_run(int32_t course, int64_t frames, const std::string& fingerprint,
                   const std::string& runs_text, BestTimes& times, std::string& error) {
    if (times.other_version) {
        error = std::string(kBestTimesFile) + " is from another version of the game";
        return false;
    }
    std::string script = "# headbot time trial: the best run of " + course_name(course) + ", " +
                         std::to_string(frames) + " frames\n";
    script += course == kWholeGame ? "# replay: headbot-sim --level 1 --levels 7 --input THIS_FILE\n"
                                   : "# replay: headbot-sim --level " + std::to_string(course) +
                                         " --input THIS_FILE\n";
    script += fingerprint_line(fingerprint) + runs_text;
    if (!write_file_atomically(best_run_file(course), script, error)) return false;
    BestTimes kept = times;
    kept.course[course] = BestTime{frames, fingerprint};
    if (!write_file_atomically(kBestTimesFile, best_times_text(kept), error)) return false;
    times = kept;
    return true;
}
