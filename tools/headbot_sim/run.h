// One headless run: levels and frames as the game plays them, keys from a script.
#pragma once

#include <cstdint>
#include <cstdio>

#include "world/key_script.h"

struct RunOptions {
    bool level_given = false;
    int32_t level = 1;
    int64_t frames = 100000;
    int64_t levels = 1;
    bool trace = false;
};

// Runs in the current directory and prints the trace (if asked) and the
// result line to `out`.
void run_headless(const RunOptions& options, const KeyScript& script, FILE* out);
