// The keys held in each frame of a test play, and the key script that
// headbot-sim replays: one "COUNT KEYS" line for each run of equal frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/key_script.h"
#include "world/level_document.h"
#include "world/key_script.h"
#include "world/level_document.h"

class KeyRecord {
public:
    void clear() { runs_.clear(); }
    // One frame's keys; the joystick counts as the key it stands for.
    void add_frame(bool up, bool left, bool right);
    const std::vector<KeyRun>& runs() const { return runs_; }
    int64_t frames() const;

private:
    std::vector<KeyRun> runs_;
};

// The script: a few comment lines naming the level, then the runs.
std::string key_script_text(const KeyRecord& record, const std::string& level_name, int32_t level,
                            const std::string& fingerprint);
