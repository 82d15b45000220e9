// The game's recording: a key script that headbot-sim replays to the same
// frames, one line for each run of equal keys.
#include "shell/play_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/level_text.h"
#include "world/key_script.h"
#include "world/world.h"

namespace {

std::string file_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void hold(bool up, bool left, bool right, int frames) {
    held_keys.up = up;
    held_keys.left = left;
    held_keys.right = right;
    for (int i = 0; i < frames; ++i) record_frame();
}

}  // namespace

TEST(PlayRecord, WritesALineForEachRunOfEqualKeysWithEveryFrameCounted) {
    const std::string path = scratch_dir() + "/play.keys";
    setenv("HEADBOT_RECORD", path.c_str(), 1);
    open_play_record();
    current_level = 1;
    record_level_start();
    hold(false, false, false, 1600);
    hold(false, false, true, 3);
    hold(true, false, true, 1);
    current_level = 2;  // a level starts after a frame: the run ends there
    record_level_start();
    hold(true, false, true, 2);
    hold(false, true, false, 5);
    close_play_record();
    unsetenv("HEADBOT_RECORD");

    const std::string keys = file_text(path);
    EXPECT_EQ(keys.substr(keys.find('\n') + 1),
              "# level 1\n1600 -\n3 R\n1 UR\n# level 2\n2 UR\n5 L\n");
    // the reader takes it, and the trace has a line for every frame
    std::istringstream in(keys);
    KeyScript script;
    std::string error;
    ASSERT_TRUE(parse_key_script(in, script, error)) << error;
    int64_t frames = 0;
    for (const KeyRun& run : script.runs) frames += run.count;
    EXPECT_EQ(frames, 1611);
    const std::string trace = file_text(path + ".trace");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1611 + 1);  // and its header
}
