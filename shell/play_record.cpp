#include "shell/play_record.h"

#include <cstdint>
#include <initializer_list>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "world/key_script.h"
#include "world/trace.h"
#include "world/world.h"

namespace {

FILE* keys_out = nullptr;
FILE* trace_out = nullptr;
int64_t frames = 0;

}  // namespace

void open_play_record() {
    const char* path = std::getenv("HEADBOT_RECORD");
    if (!path || !*path) return;
    keys_out = std::fopen(path, "wb");
    trace_out = std::fopen((std::string(path) + ".trace").c_str(), "wb");
    if (!keys_out || !trace_out) {
        std::fprintf(stderr, "headbot: cannot write the recording %s; playing without it\n", path);
        close_play_record();
        return;
    }
    std::fputs("# keys held, frame by frame (the joystick is not recorded)\n", keys_out);
    std::fputs(kTraceHeader, trace_out);
}

void record_level_start() {
    if (keys_out) std::fprintf(keys_out, "# level %d\n", current_level);
}

void record_frame() {
    if (!keys_out) return;
    ++frames;
    const KeyRun frame{1, held_keys.up != 0, held_keys.left != 0, held_keys.right != 0};
    std::fputs(key_script_line(frame).c_str(), keys_out);
    print_trace_line(trace_out, frames);
}

void close_play_record() {
    for (FILE** f : {&keys_out, &trace_out}) {
        if (*f) std::fclose(*f);
        *f = nullptr;
    }
}
