#include "edit/test_play.h"

#include "edit/level_edit.h"
#include "shell/input.h"
#include "shell/play_frame.h"
#include "shell/sound_effects.h"
#include "sim/frame.h"
#include "world/world.h"

namespace {

KeyRecord* recording = nullptr;

// The game's own poll, then a note of what this frame holds.
void poll_and_record() {
    poll_keys_and_joystick();
    recording->add_frame(held_keys.up || held_keys.joy_button, held_keys.left || held_keys.joy_left,
                         held_keys.right || held_keys.joy_right);
}

}  // namespace

PlayEnd test_play(const LevelDocument& doc, int32_t level, bool (*stop_requested)(), KeyRecord& record) {
    // a fresh world, as headbot-sim starts one, so the recorded keys replay
    start_fresh_world(level);
    apply_level_document(doc);
    record.clear();
    recording = &record;
    poll_input = poll_and_record;
    PlayEnd end = PlayEnd::stopped;
    for (;;) {
        // a stop counts between frames only, as Esc does in the game
        if (stop_requested()) break;
        play_frame();
        play_frame_sounds();
        if (level_done) {
            end = game_over ? PlayEnd::lost : PlayEnd::won;
            break;
        }
    }
    poll_input = nullptr;
    recording = nullptr;
    return end;
}
