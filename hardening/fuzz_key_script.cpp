// Key scripts for headbot-sim as any bytes, checked against a re-statement
// of the format: lines split at '\n'; blank and '#' lines skipped; otherwise
// exactly two words, a count of 1 or more (held at the 64-bit limit) and "-"
// or letters from U, L and R.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "world/key_script.h"

namespace {

[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "key script fault: %s\n", what.c_str());
    std::abort();
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_space(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !is_space(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// The runs the script holds, or the number of its first bad line.
bool expected_runs(const std::string& text, std::vector<KeyRun>& runs, int64_t& bad_line) {
    size_t at = 0;
    for (int64_t number = 1; at < text.size(); ++number) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::vector<std::string> w = words(line);
        KeyRun run{};
        bool ok = w.size() == 2 && !w[0].empty();
        int64_t count = 0;
        const int64_t most = std::numeric_limits<int64_t>::max();
        for (char c : ok ? w[0] : std::string()) {
            if (c < '0' || c > '9') {
                ok = false;
                break;
            }
            count = count > (most - (c - '0')) / 10 ? most : count * 10 + (c - '0');
        }
        ok = ok && count >= 1;
        if (ok && w[1] != "-") {
            for (char c : w[1]) {
                if (c == 'U') run.up = true;
                else if (c == 'L') run.left = true;
                else if (c == 'R') run.right = true;
                else ok = false;
            }
        }
        if (!ok) {
            bad_line = number;
            return false;
        }
        run.count = count;
        runs.push_back(run);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<KeyRun> want;
    int64_t bad_line = 0;
    const bool want_ok = expected_runs(text, want, bad_line);

    std::istringstream in(text);
    KeyScript script;
    std::string error;
    const bool ok = parse_key_script(in, script, error);
    if (ok != want_ok) fault(ok ? "a bad line was accepted" : "a good script was refused: " + error);
    if (!ok) {
        if (error.rfind("line " + std::to_string(bad_line) + ":", 0) != 0)
            fault("the message names the wrong line: " + error);
        return 0;
    }
    if (script.runs.size() != want.size()) fault("wrong number of runs");
    for (size_t i = 0; i < want.size(); ++i) {
        const KeyRun& a = script.runs[i];
        const KeyRun& b = want[i];
        if (a.count != b.count || a.up != b.up || a.left != b.left || a.right != b.right)
            fault("run " + std::to_string(i) + " differs");
    }

    // frame by frame: each run for its count, then nothing held
    KeyCursor cursor(script);
    size_t run = 0;
    int64_t used = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        const KeyRun keys = cursor.next();
        while (run < want.size() && used >= want[run].count) {
            ++run;
            used = 0;
        }
        const bool none = run >= want.size();
        const bool up = !none && want[run].up, left = !none && want[run].left,
                   right = !none && want[run].right;
        if (keys.up != up || keys.left != left || keys.right != right)
            fault("cursor gave the wrong keys in frame " + std::to_string(frame));
        if (!none) ++used;
    }
    return 0;
}
