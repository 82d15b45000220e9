// Key scripts: which keys are held in which frames.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "world/world.h"

struct KeyRun {
    int64_t count;  // frames, 1 or more
    bool up, left, right;
};

// The run's keys as the bits hold_keys() takes.
inline uint8_t key_bits(const KeyRun& run) {
    return (run.up ? kKeyUp : 0) | (run.left ? kKeyLeft : 0) | (run.right ? kKeyRight : 0);
}

// One line of a script, as the reader reads it: "COUNT KEYS", "-" for none.
inline std::string key_script_line(const KeyRun& run) {
    std::string keys = std::string(run.up ? "U" : "") + (run.left ? "L" : "") + (run.right ? "R" : "");
    return std::to_string(run.count) + " " + (keys.empty() ? "-" : keys) + "\n";
}

struct KeyScript {
    std::vector<KeyRun> runs;
};

// Reads "COUNT KEYS" lines; blank lines and '#' comments are skipped. On a
// malformed line returns false with `error` naming the line number.
bool parse_key_script(std::istream& in, KeyScript& script, std::string& error);

// Walks a script frame by frame; after the last run nothing is held.
class KeyCursor {
public:
    explicit KeyCursor(const KeyScript& script) : script_(script) {}
    // The keys of the next frame.
    KeyRun next();

private:
    const KeyScript& script_;
    size_t run_ = 0;
    int64_t used_ = 0;
};

// The comment line by which a key script names the level it wins: the
// fingerprint of the level's text as it was when the play was recorded.
constexpr const char kFingerprintMark[] = "# level fingerprint ";

// The comment line that names a fingerprint in a key script.
std::string fingerprint_line(const std::string& fingerprint);

// The fingerprint a key script's comment names, or "" when it names none.
std::string fingerprint_in_key_script(const std::string& text);

// The screen a key script was won on, as the editor's first comment names it
// ("... frames on a W by H screen"); 640 by 480, the shipped screen, when it
// names none.
void screen_of_key_script(const std::string& text, int32_t& width, int32_t& height);
