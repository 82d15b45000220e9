// Words and signs over the game's picture: the level cards, the trial's
// clock, a pack's title on the title screen. They are drawn on the copy on
// its way to the screen, never into the picture the world is drawn in, so
// what the frames do and show stays exactly as it is.
#pragma once

#include <functional>

struct BITMAP;

// Drawn in this order, each over the ones before it. Each part of the game
// that shows something has a layer of its own, so none clears another's.
enum class OverlayLayer {
    kGhost,      // the time trial's ghost robot, under everything else
    kHealth,     // the health bar's frame
    kCue,        // a short cue where something happened (the ball lost)
    kClock,      // the time trial's clock and splits
    kPackTitle,  // a level pack's title and author on the title screen
    kTitleHint,  // the title screen's line about the time trial
    kCard,       // a level's card, the ending: over everything else
    kCount
};

// Draws onto the copy, which is the game's screen size (width by height).
using OverlayDraw = std::function<void(BITMAP* copy, int width, int height)>;

// From the frame loop's thread only, as present() is called.
void set_overlay(OverlayLayer layer, OverlayDraw draw);
void clear_overlay(OverlayLayer layer);
void clear_overlays();

// Draws every layer set, in order; the presenter calls it on each copy.
void draw_overlays(BITMAP* copy, int width, int height);
