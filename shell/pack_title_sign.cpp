#include "shell/pack_title_sign.h"

#include <allegro.h>

#include <algorithm>

#include "render/overlay_text.h"
#include "shell/overlay.h"
#include "world/pack_title.h"

namespace {

PackTitle pack_title;

// The title picture is 640 by 480 at the top left of the screen, cut by a
// smaller one: the words sit on the earth at its foot, inside what is shown,
// where they cover nothing of the picture, above the line about the trial.
void draw_pack_title(BITMAP* copy, int width, int height) {
    const int shown_width = std::min(width, 640), shown_height = std::min(height, 480);
    const int letters = std::max(1, shown_width / kGlyphSize - 2);
    const int centre = shown_width / 2;
    const int top = std::max(0, shown_height - 56);
    draw_boxed_text(copy, centre, top, shown_text(pack_title.title, letters), makecol(255, 224, 96), Align::kCentre,
                    true);
    draw_boxed_text(copy, centre, top + 2 * kGlyphSize + 2, shown_text("by " + pack_title.author, letters),
                    makecol(232, 232, 232));
}

}  // namespace

void show_pack_title() {
    static const bool have_pack_title = read_pack_title(kPackTitleFile, pack_title);
    if (have_pack_title) set_overlay(OverlayLayer::kPackTitle, draw_pack_title);
}

void hide_pack_title() { clear_overlay(OverlayLayer::kPackTitle); }
