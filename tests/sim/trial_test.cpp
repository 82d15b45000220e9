// The time trial plays exactly the frames headbot-sim plays from a fresh
// world, whatever was played before; a ghost beside it changes nothing in
// the player's world; best times survive bad files and keep only faster wins.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "sim/course_best.h"
#include "sim/frame.h"
#include "sim/ghost.h"
#include "sim/trial_run.h"
#include "tools/headbot_sim/run.h"
#include "world/best_times.h"
#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_table.h"
#include "world/snapshot.h"
#include "world/trace.h"
#include "world/trial_time.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

const char* const kSolutions[] = {"level1", "level2", "level3", "boss1", "level5", "level6", "boss2"};

// A copy of the shipped levels and config.txt, made the working folder:
// the player's folder of these tests.
fs::path game_folder() {
    const fs::path dir = fs::temp_directory_path() / ("headbot-trial-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& f : fs::directory_iterator(fs::path(HEADBOT_DATA_DIR) / "levels"))
        fs::copy_file(f.path(), dir / f.path().filename());
    fs::copy_file(fs::path(HEADBOT_DATA_DIR) / "config.txt", dir / "config.txt");
    fs::current_path(dir);
    return dir;
}

KeyScript script_from(const std::string& text) {
    KeyScript script;
    std::string error;
    std::istringstream in(text);
    EXPECT_TRUE(parse_key_script(in, script, error)) << error;
    return script;
}

KeyScript solution(const std::string& name) {
    std::ifstream in(fs::path(HEADBOT_DATA_DIR) / "solutions" / (name + ".keys"));
    std::stringstream text;
    text << in.rdbuf();
    return script_from(text.str());
}

std::string text_of(FILE* f) {
    std::rewind(f);
    std::string text;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
    std::fclose(f);
    return text;
}

// headbot-sim's own run, in this process: its trace and result lines.
std::string sim_trace(int32_t level, int64_t levels, const KeyScript& script) {
    RunOptions options;
    options.level_given = true;
    options.level = level;
    options.levels = levels;
    options.trace = true;
    FILE* out = std::tmpfile();
    reset_world();  // a fresh process
    run_headless(options, script, out);
    return text_of(out);
}

// The trial of the course with the same keys, traced the same way.
std::string trial_trace(int32_t course, const KeyScript& script, Ghost* ghost = nullptr) {
    FILE* out = std::tmpfile();
    std::fputs(kTraceHeader, out);
    TrialRun run;
    run.start(course);
    KeyCursor keys(script);
    TrialState state = TrialState::kPlaying;
    while (state == TrialState::kPlaying && run.frames() < 100000) {
        if (ghost) ghost->step();
        run.before_frame();
        hold_keys(key_bits(keys.next()));
        run_frame();
        state = run.after_frame();
        print_trace_line(out, run.frames());
    }
    std::fprintf(out, "result: %s frames=%lld level=%d\n", state == TrialState::kWon ? "won" : "over",
                 static_cast<long long>(run.frames()), current_level);
    return text_of(out);
}

// Every byte of the world as a frame left it, the frame's events (what is
// heard) too, as one short mark.
std::string world_fingerprint() {
    static WorldSnapshot snapshot;
    save_world(snapshot);
    return std::to_string(std::hash<std::string_view>()(
        std::string_view(reinterpret_cast<const char*>(&snapshot), sizeof snapshot)));
}

// Leaves the world as a game played for a while leaves it: far from fresh.
void play_something_else() {
    TrialRun other;
    other.start(7);
    for (int i = 0; i < 700; ++i) {
        hold_keys(i % 90 < 40 ? kKeyRight | kKeyUp : kKeyLeft);
        run_frame();
    }
}

}  // namespace

TEST(TrialRun, EveryLevelAndTheWholeGamePlayTheFramesHeadbotSimPlays) {
    game_folder();
    for (int32_t level = 1; level <= kLevelCount; ++level) {
        const KeyScript keys = solution(kSolutions[level - 1]);
        const std::string expected = sim_trace(level, 1, keys);
        play_something_else();
        const std::string got = trial_trace(level, keys);
        ASSERT_NE(expected.find("result: won"), std::string::npos) << "level " << level;
        EXPECT_TRUE(got == expected) << "level " << level << " differs from headbot-sim";
        const CourseReplay replay = replay_course(level, keys);
        EXPECT_TRUE(replay.won);
        EXPECT_EQ(replay.splits, std::vector<int64_t>{replay.frames});
    }
    const KeyScript game = solution("full-game");
    const std::string expected = sim_trace(1, 7, game);
    play_something_else();
    const std::string got = trial_trace(kWholeGame, game);
    EXPECT_TRUE(got == expected) << "the whole game differs from headbot-sim";
    const CourseReplay replay = replay_course(kWholeGame, game);
    EXPECT_TRUE(replay.won);
    EXPECT_EQ(replay.splits.size(), 7u);
    EXPECT_EQ(replay.splits.back(), replay.frames);
}

TEST(TrialRun, ALostLifeEndsTheAttemptAndAScriptThatStopsShortDoesNotWin) {
    game_folder();
    // walking right on level 2 runs into its spiders
    TrialRun run;
    run.start(2);
    TrialState state = TrialState::kPlaying;
    while (state == TrialState::kPlaying && run.frames() < 20000) {
        hold_keys(kKeyRight);
        run_frame();
        state = run.after_frame();
    }
    EXPECT_EQ(state, TrialState::kLost);
    EXPECT_EQ(run.frames(), 519);
    EXPECT_TRUE(run.splits().empty());

    KeyScript keys = solution("level1");
    keys.runs.resize(keys.runs.size() / 2);
    EXPECT_FALSE(replay_course(1, keys).won);
    EXPECT_FALSE(replay_course(1, KeyScript()).won);
    // a count no player held is played no further than an hour
    const CourseReplay endless = replay_course(1, script_from("99999999999999999999999 -\n9 R\n"));
    EXPECT_FALSE(endless.won);
    EXPECT_EQ(endless.frames, kLongestTrialRun + 1);
}

TEST(Ghost, ThePlayersWorldIsByteForByteTheSameWithAGhostBeside) {
    game_folder();
    for (int32_t level : {1, 4, 6}) {
        const KeyScript best = solution(kSolutions[level - 1]);
        // the player plays worse than the best: the two worlds part ways
        KeyScript mine = best;
        mine.runs.insert(mine.runs.begin(), KeyRun{37, false, true, false});
        std::vector<std::string> alone, beside;
        for (std::vector<std::string>* frames : {&alone, &beside}) {
            play_something_else();
            Ghost* ghost = frames == &beside ? new Ghost(level, best) : nullptr;
            TrialRun run;
            run.start(level);
            KeyCursor keys(mine);
            bool parted = false;
            for (TrialState s = TrialState::kPlaying; s == TrialState::kPlaying && run.frames() < 20000;) {
                if (ghost) ghost->step();
                run.before_frame();
                hold_keys(key_bits(keys.next()));
                run_frame();
                s = run.after_frame();
                frames->push_back(world_fingerprint());
                if (ghost && ghost->robot().shown && ghost->robot().x != player.x) parted = true;
            }
            if (ghost) {
                EXPECT_TRUE(parted) << "level " << level << ": the ghost never left the player";
            }
            delete ghost;
        }
        ASSERT_EQ(alone.size(), beside.size()) << "level " << level;
        for (size_t i = 0; i < alone.size(); ++i)
            ASSERT_EQ(alone[i], beside[i]) << "level " << level << ", frame " << i + 1;
    }
}

TEST(Ghost, RunsItsBestRunToTheWinAndIsThenGone) {
    game_folder();
    const KeyScript best = solution("level1");
    const int64_t frames = replay_course(1, best).frames;
    Ghost ghost(1, best);
    for (int64_t i = 0; i < frames - 1; ++i) ghost.step();
    EXPECT_TRUE(ghost.robot().shown);
    ghost.step();
    EXPECT_FALSE(ghost.robot().shown);
}

TEST(TrialTime, FramesShownAsMinutesSecondsAndHundredthsAt95ASecond) {
    EXPECT_EQ(trial_time_text(0), "0:00.00");
    EXPECT_EQ(trial_time_text(94), "0:00.98");  // cut, never shown faster than it was
    EXPECT_EQ(trial_time_text(95), "0:01.00");
    EXPECT_EQ(trial_time_text(95 * 60 + 19), "1:00.20");
    EXPECT_EQ(trial_time_text(95 * 60 * 125), "125:00.00");
    EXPECT_EQ(trial_difference_text(190, 95), "+0:01.00");
    EXPECT_EQ(trial_difference_text(95, 190), "-0:01.00");
    EXPECT_EQ(trial_difference_text(95, 95), " 0:00.00");
}

TEST(BestTimes, BadFilesHoldNoBestsAndAGoodOneRoundTrips) {
    BestTimes times;
    times.course[3] = BestTime{2404, "0123456789abcdef"};
    times.course[kWholeGame] = BestTime{17000, "fedcba9876543210"};
    const BestTimes back = parse_best_times(best_times_text(times));
    EXPECT_EQ(back.course[3].frames, 2404);
    EXPECT_EQ(back.course[3].fingerprint, "0123456789abcdef");
    EXPECT_EQ(back.course[kWholeGame].frames, 17000);
    EXPECT_EQ(back.course[1].frames, 0);

    const std::string good = best_times_text(times);
    for (const std::string& bad : {std::string(), std::string("garbage\n3 10 0123456789abcdef\n"),
                                   std::string("# headbot best times 1"),
                                   good.substr(0, good.size() / 2)}) {
        const BestTimes read = parse_best_times(bad);
        EXPECT_EQ(read.course[kWholeGame].frames, 0) << bad;
        EXPECT_FALSE(read.other_version);
    }
    // one line of nonsense costs that line only
    const BestTimes mixed = parse_best_times(
        "# headbot best times 1\n3 -5 0123456789abcdef\n8 100 0123456789abcdef\n"
        "2 99999999999999999999 0123456789abcdef\n5 100 ../../etc/passwd\n6 100 0123456789abcdef x\n"
        "1 100 0123456789abcdef\n");
    for (int32_t c = 0; c < kCourseCount; ++c) EXPECT_EQ(mixed.course[c].frames, c == 1 ? 100 : 0) << c;
    EXPECT_TRUE(parse_best_times("# headbot best times 2\n1 100 0123456789abcdef\n").other_version);
}

TEST(BestTimes, KeptThroughTheAtomicWriterAndNeverOverAnotherVersionsFile) {
    const fs::path dir = game_folder();
    BestTimes times = read_best_times();
    std::string error;
    ASSERT_TRUE(keep_best_run(2, 1234, course_fingerprint(2), "1234 R\n", times, error)) << error;
    EXPECT_EQ(read_best_times().course[2].frames, 1234);
    const std::string script = read_player_file(best_run_file(2), 1 << 20);
    EXPECT_EQ(fingerprint_in_key_script(script), course_fingerprint(2));
    EXPECT_NE(script.find("\n1234 R\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "best-times.new"));

    // another version's file is left as it is, and says why
    const std::string theirs = "# headbot best times 9\nwhatever they keep\n";
    std::ofstream(dir / "best-times") << theirs;
    times = read_best_times();
    EXPECT_FALSE(keep_best_run(3, 10, course_fingerprint(3), "10 -\n", times, error));
    EXPECT_EQ(read_player_file("best-times", 1 << 20), theirs);

    // a folder that cannot be written: no best kept, the reason given
    fs::remove(dir / "best-times");
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    times = read_best_times();
    error.clear();
    const bool kept = keep_best_run(3, 10, course_fingerprint(3), "10 -\n", times, error);
    fs::permissions(dir, fs::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_FALSE(kept);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(times.course[3].frames, 0);
    }
    // the whole game's fingerprint changes with any one of its levels
    const std::string before = course_fingerprint(kWholeGame);
    std::ofstream(dir / "level5", std::ios::app) << " ";
    EXPECT_NE(course_fingerprint(kWholeGame), before);
    EXPECT_EQ(course_fingerprint(3), course_fingerprint(3));
}

TEST(CourseBest, ABestIsTheWinItsScriptPlaysAndAnEditedLevelMakesItStale) {
    const fs::path dir = game_folder();
    BestTimes times = read_best_times();
    EXPECT_EQ(check_best(1, times).kind, BestKind::kNone);

    const KeyScript keys = solution("level1");
    std::string runs;
    for (const KeyRun& r : keys.runs) runs += key_script_line(r);
    std::string error;
    ASSERT_TRUE(keep_best_run(1, 1508, course_fingerprint(1), runs, times, error)) << error;
    CourseBest best = check_best(1, read_best_times());
    EXPECT_EQ(best.kind, BestKind::kCurrent);
    EXPECT_EQ(best.frames, 1508);

    // a times file edited to boast: the script's own win is the time shown
    std::ofstream(dir / "best-times") << "# headbot best times 1\n1 10 " << course_fingerprint(1) << "\n";
    EXPECT_EQ(check_best(1, read_best_times()).frames, 1508);

    // scripts that hold nonsense, stop short or are empty: no best, no crash
    const std::string header = "# x\n" + fingerprint_line(course_fingerprint(1));
    for (const std::string& bad : {header + "12 Q\n", header + "100 R\n", header, std::string(),
                                   header + runs.substr(0, runs.size() / 2)}) {
        std::ofstream(dir / "best1.keys", std::ios::trunc) << bad;
        EXPECT_EQ(check_best(1, read_best_times()).kind, BestKind::kNone) << bad;
    }

    // the level edited after the best was set: stale, with its old time kept
    ASSERT_TRUE(keep_best_run(1, 1508, course_fingerprint(1), runs, times, error)) << error;
    std::ofstream(dir / "level1", std::ios::app) << "\n";
    best = check_best(1, read_best_times());
    EXPECT_EQ(best.kind, BestKind::kStale);
    EXPECT_EQ(best.frames, 1508);
    EXPECT_TRUE(best.script.runs.empty());  // no ghost of another level
    // a win on this version replaces it
    times = read_best_times();
    ASSERT_TRUE(keep_best_run(1, 1600, course_fingerprint(1), runs, times, error)) << error;
    EXPECT_EQ(check_best(1, read_best_times()).kind, BestKind::kCurrent);
}

TEST(CourseBest, AParIsItsScriptsWinOrNone) {
    const fs::path dir = game_folder();
    EXPECT_EQ(par_file(4), "par-boss1.keys");
    EXPECT_EQ(par_file(kWholeGame), "par-full-game.keys");
    EXPECT_EQ(check_par(4).kind, BestKind::kNone);
    fs::copy_file(fs::path(HEADBOT_DATA_DIR) / "par" / "boss1.keys", dir / "par-boss1.keys");
    const std::string text = read_player_file("par-boss1.keys", 1 << 20);
    const CourseBest par = check_par(4);
    EXPECT_EQ(par.kind, BestKind::kCurrent);
    EXPECT_EQ(par.frames, stated_par_frames(text));
    EXPECT_EQ(par.frames, replay_course(4, par.script).frames);
    // another level under the par's name: no par, whether the par wins it or not
    std::ofstream(dir / "boss1", std::ios::trunc) << "s 640 480 p 64 407 A 32 448 A 64 448 A 96 448 !\n";
    EXPECT_EQ(check_par(4).kind, BestKind::kNone);
    fs::copy_file(fs::path(HEADBOT_DATA_DIR) / "levels" / "boss1", dir / "boss1",
                  fs::copy_options::overwrite_existing);
    for (const std::string& bad : {std::string("5 U\n"), "# par: won in 99 frames\n" + text,
                                   std::string("# par: x won in 99999999999999999999999 frames\n5 U\n")}) {
        std::ofstream(dir / "par-boss1.keys", std::ios::trunc) << bad;
        EXPECT_EQ(check_par(4).kind, BestKind::kNone) << bad;
    }
}
