// The player's best times in the time trial, kept beside "saved": one small
// text file of times, "best-times", and the key script of each best run
// ("best1.keys" to "best7.keys", "best-game.keys"), which headbot-sim plays
// to the same win. Every file has a fixed name in the player's folder: no
// file's contents ever name another file.
#pragma once

#include <cstdint>
#include <string>

// A course is one level (1 to 7) or the whole game in one run.
constexpr int32_t kWholeGame = 0;
constexpr int32_t kCourseCount = 8;

struct BestTime {
    int64_t frames = 0;       // 0: no best
    std::string fingerprint;  // of the course's level files when it was set
};

struct BestTimes {
    BestTime course[kCourseCount];
    // The times file is of another version of the game: it is read as no
    // bests and never replaced, so that game keeps its times.
    bool other_version = false;
};

constexpr const char* kBestTimesFile = "best-times";

// "level 3", or "the whole game".
std::string course_name(int32_t course);

// "best3.keys", or "best-game.keys" for the whole game.
std::string best_run_file(int32_t course);

// The fingerprint of the course's level files as the game names them in
// the current folder; the whole game's is made from its seven levels'.
std::string course_fingerprint(int32_t course);

// The times a file's text holds: a line that is not "COURSE FRAMES
// FINGERPRINT" is passed over, and text without the version line at its top
// holds none.
BestTimes parse_best_times(const std::string& text);
std::string best_times_text(const BestTimes& times);

// The times in the current folder's "best-times"; none when it is missing,
// too large or nonsense.
BestTimes read_best_times();

// A file of the player's folder, whole, when it is under `limit` bytes;
// "" otherwise or when it cannot be read.
std::string read_player_file(const std::string& name, size_t limit);

// Keeps a new best of `course`: its key script (the runs as "COUNT KEYS"
// lines) first, then the times, each file through the one atomic writer.
// False, with the reason in `error`, when either could not be written; the
// old best then stands in "best-times".
bool keep_best_run(int32_t course, int64_t frames, const std::string& fingerprint,
                   const std::string& runs_text, BestTimes& times, std::string& error);
