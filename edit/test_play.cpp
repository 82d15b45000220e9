#include "edit/test_play.h"

#include <allegro.h>

#include "edit/level_edit.h"
#include "render/assets.h"
#include "render/overlay_text.h"
#include "render/render_frame.h"
#include "shell/input.h"
#include "shell/play_frame.h"
#include "shell/sound_effects.h"
#include "sim/frame.h"
#include "world/key_script.h"
#include "world/world.h"

namespace {

KeyRecord* recording = nullptr;
KeyScript watched;
KeyCursor* cursor = nullptr;

// The game's own poll, then a note of what this frame holds.
void poll_and_record() {
    poll_keys_and_joystick();
    recording->add_frame(held_keys.up || held_keys.joy_button, held_keys.left || held_keys.joy_left,
                         held_keys.right || held_keys.joy_right);
}

// The script's keys, as headbot-sim holds them, noted the same way.
void play_script() {
    const KeyRun keys = cursor->next();
    hold_keys(key_bits(keys));
    recording->add_frame(keys.up, keys.left, keys.right);
}

// The last frame with the sign over it, until P again or a stop.
bool hold_while_paused(const PlayControls& controls) {
    BITMAP* shown = create_bitmap(screen_width, screen_height);
    if (shown) {
        blit(back_buffer, shown, 0, 0, 0, 0, screen_width, screen_height);
        draw_card(shown, screen_width / 2, screen_height / 3,
                  {{"PAUSED", 3, makecol(255, 255, 255)}, {"P: play on  Esc: end", 1, makecol(200, 200, 210)}},
                  screen_width - 16);
        show_frame(shown);
    }
    bool stopped = false;
    for (;;) {
        if (controls.stop_requested()) {
            stopped = true;
            break;
        }
        if (controls.pause_pressed()) break;
        rest(5);
    }
    if (shown) {
        show_frame(back_buffer);
        destroy_bitmap(shown);
    }
    return !stopped;
}

}  // namespace

PlayEnd test_play(const LevelDocument& doc, int32_t level, const PlayControls& controls, KeyRecord& record) {
    // a fresh world, as headbot-sim starts one, so the recorded keys replay
    start_fresh_world(level);
    apply_level_document(doc);
    record.clear();
    recording = &record;
    KeyCursor script_cursor(watched);
    if (controls.script) {
        watched.runs = controls.script->runs();
        cursor = &script_cursor;
    }
    poll_input = controls.script ? play_script : poll_and_record;
    PlayEnd end = PlayEnd::stopped;
    for (;;) {
        // a stop counts between frames only, as Esc does in the game
        if (controls.stop_requested()) break;
        if (controls.pause_pressed() && !hold_while_paused(controls)) break;
        play_frame();
        play_frame_sounds();
        if (level_done) {
            end = game_over ? PlayEnd::lost : PlayEnd::won;
            break;
        }
    }
    poll_input = nullptr;
    recording = nullptr;
    cursor = nullptr;
    return end;
}
