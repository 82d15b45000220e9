// Playing the level being edited, with the game's frame order, pacing and
// drawing, and the keys of every frame recorded.
#pragma once

#include <cstdint>

#include "edit/key_record.h"
#include "world/level_document.h"

enum class PlayEnd { won, lost, stopped };

// Plays `doc` as level `level` from its start until the level ends or
// `stop_requested()` says so (Esc, the window closed), asked between frames.
// Never touches the progress file. The world is left as the play ended.
PlayEnd test_play(const LevelDocument& doc, int32_t level, bool (*stop_requested)(), KeyRecord& record);
