// headbot-measure: plays a level file with a winning key script and prints
// what a player of it lives through: its length, how much of it is waiting,
// how often the ball is headed, and how many script lines still win when
// pressed 1, 3 or 5 frames early or late.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "measure.h"
#include "world/level_table.h"
#include "tools/console/binary_output.h"

namespace {

// The game's shipped pace: "640 480 10 0" plays about 95 frames a second.
constexpr double kFramesPerSecond = 95.0;
// A script is given as long as a fresh headbot-sim run gives it.
constexpr int64_t kFrameLimit = 100000;
// A shifted script may win a little later than the original.
constexpr int64_t kShiftedSlack = 950;
const int64_t kShifts[] = {1, 3, 5};

int usage() {
    std::fprintf(stderr,
                 "usage: headbot-measure LEVEL_FILE KEY_SCRIPT [--level N] [--lines]\n"
                 "  plays LEVEL_FILE as level N (by default the level whose file has that\n"
                 "  name, else 1) with KEY_SCRIPT and prints its figures; --lines also\n"
                 "  names each script line that loses when shifted\n");
    return 2;
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "headbot-measure: %s\n", message.c_str());
    std::exit(1);
}

std::string read_file(const std::string& path, const char* what) {
    // a folder opens as a stream on this system and reads as empty
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        fail("cannot read " + std::string(what) + " " + path + ": it is a folder");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    // an empty file reads as empty; a missing one or a folder does not read
    if (!in.is_open() || in.bad()) fail("cannot read " + std::string(what) + " " + path);
    return text.str();
}

double seconds(int64_t frames) { return frames / kFramesPerSecond; }

int percent(int64_t part, int64_t whole) {
    return whole ? static_cast<int>((part * 100 + whole / 2) / whole) : 0;
}

// The line number in the script file of each run, for --lines.
std::vector<int> run_line_numbers(const std::string& text) {
    std::vector<int> numbers;
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        size_t first = line.find_first_not_of(" \t\r");
        if (first != std::string::npos && line[first] != '#') numbers.push_back(n);
    }
    return numbers;
}

}  // namespace

int main(int argc, char** argv) {
    use_binary_output();
    if (argc < 3) return usage();
    std::string level_path = argv[1], script_path = argv[2];
    int32_t level = level_of_file_name(level_path);
    bool list_lines = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lines") == 0) {
            list_lines = true;
        } else if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
            char* end = nullptr;
            long n = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || n < 1 || n > kLevelCount) return usage();
            level = static_cast<int32_t>(n);
        } else {
            return usage();
        }
    }

    const std::string level_text = read_file(level_path, "level file");
    const std::string script_text = read_file(script_path, "key script");
    KeyScript script;
    std::string error;
    std::istringstream script_in(script_text);
    if (!parse_key_script(script_in, script, error))
        fail("key script " + script_path + ", " + error);
    if (script.runs.empty()) fail("key script " + script_path + " holds no key lines");

    const FrameKeys keys = frame_keys(script);
    const Play play = play_level(level_text, level, keys, kFrameLimit);
    if (!play.won)
        fail("key script " + script_path + " does not win " + level_path + " (" +
             (play.frames < kFrameLimit ? "game over" : "no level end") + " after " +
             std::to_string(play.frames) + " frames)");
    const Figures f = figures_of(play, keys);

    // every line moved both ways by each distance, one line at a time
    const std::vector<int> line_numbers = run_line_numbers(script_text);
    std::string losing;
    int64_t wins[3] = {0, 0, 0};
    const int64_t tries = 2 * static_cast<int64_t>(script.runs.size());
    for (size_t run = 0; run < script.runs.size(); ++run) {
        std::string lost_by;
        for (int s = 0; s < 3; ++s)
            for (int64_t sign : {-1, 1}) {
                int64_t shift = sign * kShifts[s];
                Play p = play_level(level_text, level, shifted(script, run, shift),
                                    play.frames + kShiftedSlack);
                if (p.won) ++wins[s];
                else lost_by += (lost_by.empty() ? "" : " ") + std::string(shift > 0 ? "+" : "") +
                                std::to_string(shift);
            }
        if (!lost_by.empty())
            losing += "  line " + std::to_string(line_numbers[run]) + " loses at " + lost_by + "\n";
    }

    std::printf("level %d from %s, key script %s (%zu lines)\n", level, level_path.c_str(),
                script_path.c_str(), script.runs.size());
    std::printf("length               %6lld frames  %5.1f s\n", static_cast<long long>(f.frames),
                seconds(f.frames));
    std::printf("no key held          %6lld frames  %3d%%\n",
                static_cast<long long>(f.idle_frames), percent(f.idle_frames, f.frames));
    std::printf("longest with no key  %6lld frames  %5.1f s\n",
                static_cast<long long>(f.longest_idle), seconds(f.longest_idle));
    std::printf("headers              %6lld\n", static_cast<long long>(f.headers));
    if (f.headers < 2)
        std::printf("between headers      -\n");
    else
        std::printf("between headers      median %.1f s, longest %.1f s\n", seconds(f.median_gap),
                    seconds(f.longest_gap));
    for (int s = 0; s < 3; ++s)
        std::printf("lines shifted +-%lld   %3lld of %lld win  %3d%%\n",
                    static_cast<long long>(kShifts[s]), static_cast<long long>(wins[s]),
                    static_cast<long long>(tries), percent(wins[s], tries));
    if (list_lines) std::fputs(losing.c_str(), stdout);
    return 0;
}
