// headbot-sim: runs the game's world without display, sound or keyboard,
// with the held keys read from a script.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

#include "world/key_script.h"
#include "run.h"
#include "tools/console/binary_output.h"

namespace {

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "headbot-sim: %s\n", message.c_str());
    std::fprintf(stderr,
                 "usage: headbot-sim [-C DIR] [--level N] [--input FILE] [--frames N] "
                 "[--levels K] [--trace]\n");
    std::exit(2);
}

int64_t number_arg(const char* option, const char* text, int64_t least, int64_t most) {
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || value < least || value > most)
        fail(std::string(option) + " takes a whole number from " + std::to_string(least) +
             " to " + std::to_string(most) + ", not \"" + text + "\"");
    return value;
}

void read_script(const std::string& path, KeyScript& script) {
    std::string error;
    bool ok;
    if (path == "-") {
        ok = parse_key_script(std::cin, script, error);
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) fail("cannot read key script " + path);
        ok = parse_key_script(in, script, error);
    }
    if (!ok) fail("key script " + path + ", " + error);
}

}  // namespace

int main(int argc, char** argv) {
    use_binary_output();
    RunOptions options;
    const char* dir = nullptr;
    const char* input = nullptr;
    const int64_t int_max = std::numeric_limits<int32_t>::max();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
            continue;
        }
        if (arg != "-C" && arg != "--level" && arg != "--input" && arg != "--frames" &&
            arg != "--levels")
            fail("unknown argument \"" + arg + "\"");
        if (i + 1 >= argc) fail(arg + " needs a value");
        const char* value = argv[++i];
        if (arg == "-C") dir = value;
        else if (arg == "--input") input = value;
        else if (arg == "--level") {
            options.level = static_cast<int32_t>(number_arg("--level", value, 1, int_max));
            options.level_given = true;
        } else if (arg == "--frames")
            options.frames = number_arg("--frames", value, 0, std::numeric_limits<int64_t>::max());
        else
            options.levels = number_arg("--levels", value, 1, std::numeric_limits<int64_t>::max());
    }
    // a relative script path is taken from where we started, not from DIR
    KeyScript script;
    if (input) read_script(input, script);
    if (dir && chdir(dir) != 0) fail(std::string("cannot enter directory ") + dir);
    run_headless(options, script, stdout);
    return 0;
}
