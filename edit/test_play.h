// Playing the level being edited, with the game's frame order, pacing and
// drawing, and the keys of every frame recorded; or watching a key script
// (the one the search found) played the same way.
#pragma once

#include <cstdint>

#include "edit/key_record.h"
#include "world/level_document.h"

enum class PlayEnd { won, lost, stopped };

// What a play asks between two frames, never inside one.
struct PlayControls {
    bool (*stop_requested)();   // Esc, the window closed
    bool (*pause_pressed)();    // P: pauses, and again goes on
    const KeyRecord* script = nullptr;  // keys to watch; null: the player's own
};

// Plays `doc` as level `level` from its start until the level ends or a stop
// is asked for. While paused no frame runs and a sign says so. Never
// touches the progress file. The world is left as the play ended.
PlayEnd test_play(const LevelDocument& doc, int32_t level, const PlayControls& controls, KeyRecord& record);
