// A winning plan made easier to play: holds that can take their neighbour's
// keys without losing the win are merged into it, so a player has fewer key
// changes to make.
#pragma once

#include "search.h"

// The world must be at the level's start; it is left somewhere in the
// level. Stops trying after `seconds`.
KeyPlan simplified(const KeyPlan& plan, double seconds);

// Frames until the level is won playing `plan` from the world as it is now,
// or 0 when the plan ends, or the game does, without a win.
int32_t frames_to_win(const KeyPlan& plan);
