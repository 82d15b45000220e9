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
// Frames with the same keys make one line, written when the keys change, a
// level starts or the recording ends.
KeyRun pending{0, false, false, false};

void write_pending_run() {
    if (keys_out && pending.count > 0) std::fputs(key_script_line(pending).c_str(), keys_out);
    pending.count = 0;
}

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
    std::fputs("# keys held: frames and keys, a line for each change (the joystick is not recorded)\n", keys_out);
    std::fputs(kTraceHeader, trace_out);
}

void record_level_start() {
    write_pending_run();
    if (keys_out) std::fprintf(keys_out, "# level %d\n", current_level);
}

void record_frame() {
    if (!keys_out) return;
    ++frames;
    const KeyRun frame{1, held_keys.up != 0, held_keys.left != 0, held_keys.right != 0};
    const bool same = pending.count > 0 && frame.up == pending.up && frame.left == pending.left &&
                      frame.right == pending.right;
    if (same) {
        ++pending.count;
    } else {
        write_pending_run();
        pending = frame;
    }
    print_trace_line(trace_out, frames);
}

void close_play_record() {
    write_pending_run();
    frames = 0;
    for (FILE** f : {&keys_out, &trace_out}) {
        if (*f) std::fclose(*f);
        *f = nullptr;
    }
}
