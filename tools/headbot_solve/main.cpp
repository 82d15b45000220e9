// headbot-solve: searches for a key script that wins a level, from the level
// file alone, and prints it for headbot-sim.
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>

#include "level_start.h"
#include "world/level_table.h"
#include "replay.h"
#include "search.h"
#include "simplify.h"
#include "tools/console/binary_output.h"

namespace {

constexpr int kNoWin = 1;
constexpr int kBadInput = 2;
constexpr int kFaultyScript = 3;
constexpr double kFramesASecond = 95;  // the shipped pace

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "headbot-solve: %s\n", message.c_str());
    std::exit(kBadInput);
}

void usage() {
    fail("usage: headbot-solve LEVEL_FILE [--level N] [--seconds S] [--fastest]");
}

int32_t level_arg(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || v < 1 || v > 7)
        fail("--level takes a level number from 1 to 7, not \"" + text + "\"");
    return static_cast<int32_t>(v);
}

double seconds_arg(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(v) || v <= 0)
        fail("--seconds takes a positive number of seconds, not \"" + text + "\"");
    return v;
}

std::string directory_of(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

bool show_progress(const SearchProgress& p) {
    std::fprintf(stderr,
                 "headbot-solve: %.1f s, %lld states tried, %zu kept%s; best so far: ball %d px "
                 "above the bottom, %d blocks broken\n",
                 p.elapsed, static_cast<long long>(p.states_tried), p.states_kept,
                 p.memory_full ? " (memory cap reached)" : "", p.best_ball_height,
                 p.most_blocks_broken);
    return true;
}

// Each faster win as the fastest mode finds it: how the time bought frames.
void show_faster_win(const SearchProgress& p) {
    std::fprintf(stderr, "headbot-solve: a win in %d frames after %.1f s\n", p.fastest_win, p.elapsed);
}

}  // namespace

int main(int argc, char** argv) {
    use_binary_output();
    const auto begun = std::chrono::steady_clock::now();
    LevelStart start;
    bool have_file = false, have_level = false;
    SearchLimits limits;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--fastest") {
            limits.fastest = true;
        } else if (arg == "--level" || arg == "--seconds") {
            if (i + 1 >= argc) fail(arg + " needs a value");
            std::string value = argv[++i];
            if (arg == "--level") {
                start.level = level_arg(value);
                have_level = true;
            } else {
                limits.seconds = seconds_arg(value);
            }
        } else if (!have_file && !(arg.size() > 1 && arg[0] == '-')) {
            start.level_file = arg;
            have_file = true;
        } else {
            usage();
        }
    }
    if (!have_file) usage();
    if (!have_level) start.level = level_of_file_name(start.level_file);
    // the screen size steers the camera, which bounds the robot: use the
    // one headbot-sim -C DIR would read beside the level
    start.config_file = directory_of(start.level_file) + "config.txt";
    if (!load_level_start(start)) fail("cannot read level file " + start.level_file);

    SearchResult result = search_for_win(limits, show_progress, show_faster_win);
    show_progress(result.progress);
    if (!result.won) {
        std::fprintf(stderr, "headbot-solve: no win found for level %d in %.1f s (%lld states tried)\n",
                     start.level, result.progress.elapsed,
                     static_cast<long long>(result.progress.states_tried));
        return kNoWin;
    }

    // fewer key changes for a player, in what is left of the time; never
    // when the frames are what was searched for, as a merge may cost some
    KeyPlan plan = result.plan;
    double left = limits.seconds - result.progress.elapsed;
    if (left > 0 && !limits.fastest) {
        load_level_start(start);
        plan = simplified(result.plan, std::min(5.0, left));
    }
    double searched = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();

    // never print a script that has not been seen to win
    std::string text = script_text(plan);
    ReplayFacts facts = replay_script(start, text);
    if (!facts.won) {
        text = script_text(result.plan);
        facts = replay_script(start, text);
    }
    if (!facts.won) {
        std::fprintf(stderr, "headbot-solve: the script found does not win when played again\n");
        return kFaultyScript;
    }
    double play_seconds = facts.frames / kFramesASecond;
    std::printf(
        "# headbot-solve: level %d won in %lld frames (%.1f s of play at %.0f frames a second), "
        "%d header%s; %d key change%s (%.1f a second), shortest hold %lld frames; searched %.1f s, "
        "%lld states tried\n",
        start.level, static_cast<long long>(facts.frames), play_seconds, kFramesASecond,
        facts.headers, facts.headers == 1 ? "" : "s", facts.key_changes,
        facts.key_changes == 1 ? "" : "s", facts.key_changes / play_seconds,
        static_cast<long long>(facts.shortest_hold), searched,
        static_cast<long long>(result.progress.states_tried));
    std::fputs(text.c_str(), stdout);
    return 0;
}
