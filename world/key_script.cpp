#include "world/key_script.h"

#include <limits>
#include <sstream>

namespace {

// A count of any length is accepted; beyond what a run could ever reach it
// is held at the largest 64-bit value.
bool parse_count(const std::string& word, int64_t& count) {
    if (word.empty()) return false;
    int64_t value = 0;
    const int64_t most = std::numeric_limits<int64_t>::max();
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        int digit = c - '0';
        value = value > (most - digit) / 10 ? most : value * 10 + digit;
    }
    count = value;
    return count >= 1;
}

bool parse_keys(const std::string& word, KeyRun& run) {
    run.up = run.left = run.right = false;
    if (word == "-") return true;
    if (word.empty()) return false;
    for (char c : word) {
        if (c == 'U') run.up = true;
        else if (c == 'L') run.left = true;
        else if (c == 'R') run.right = true;
        else return false;
    }
    return true;
}

bool skipped(const std::string& line) {
    size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

}  // namespace

bool parse_key_script(std::istream& in, KeyScript& script, std::string& error) {
    std::string line;
    for (int64_t number = 1; std::getline(in, line); ++number) {
        if (skipped(line)) continue;
        std::istringstream fields(line);
        std::string count_word, keys_word, extra;
        fields >> count_word >> keys_word;
        KeyRun run{};
        if (!parse_count(count_word, run.count) || !parse_keys(keys_word, run) || (fields >> extra)) {
            error = "line " + std::to_string(number) + ": expected COUNT KEYS, got \"" + line + "\"";
            return false;
        }
        script.runs.push_back(run);
    }
    // a read error (a directory, say) is no script, not an empty one
    if (in.bad()) {
        error = "cannot be read";
        return false;
    }
    return true;
}

KeyRun KeyCursor::next() {
    while (run_ < script_.runs.size() && used_ >= script_.runs[run_].count) {
        ++run_;
        used_ = 0;
    }
    if (run_ >= script_.runs.size()) return KeyRun{1, false, false, false};
    ++used_;
    return script_.runs[run_];
}

std::string fingerprint_line(const std::string& fingerprint) {
    return kFingerprintMark + fingerprint + "\n";
}

std::string fingerprint_in_key_script(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(kFingerprintMark, 0) == 0) return line.substr(sizeof kFingerprintMark - 1);
        if (!line.empty() && line[0] != '#') break;  // only the comments at the top count
    }
    return "";
}

void screen_of_key_script(const std::string& text, int32_t& width, int32_t& height) {
    width = 640;
    height = 480;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line) && !line.empty() && line[0] == '#') {
        const size_t at = line.find(" frames on a ");
        if (at == std::string::npos) continue;
        std::istringstream words(line.substr(at + 13));
        long w = 0, h = 0;
        std::string by, screen;
        if (words >> w >> by >> h >> screen && by == "by" && screen.rfind("screen", 0) == 0 && w >= 1 &&
            w <= 16384 && h >= 1 && h <= 16384) {
            width = static_cast<int32_t>(w);
            height = static_cast<int32_t>(h);
        }
        return;
    }
}
