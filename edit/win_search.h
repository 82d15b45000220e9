// "Can it be won?" for the level being edited: headbot-solve's search run
// on the level as it stands, saved or not, with the game's own frames.
#pragma once

#include <cstdint>
#include <functional>

#include "edit/key_record.h"
#include "tools/headbot_solve/search.h"
#include "world/level_document.h"

struct WinSearch {
    bool won = false;
    bool stopped = false;  // `report` ended it before its time
    KeyRecord record;      // the winning keys, frame by frame
    double seconds = 0;
    int64_t states_tried = 0;
};

// Searches `doc` played as `level` for up to `seconds`. The world is left
// anywhere: rebuild the view after it.
WinSearch search_level(const LevelDocument& doc, int32_t level, double seconds,
                       const std::function<bool(const SearchProgress&)>& report);
