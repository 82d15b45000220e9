#include "shell/display_mode.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/asset_files.h"
#include "shell/presenter.h"
#include "shell/startup.h"
#include "shell/window_style.h"
#include "shell/scale.h"
#include "world/config.h"
#include "world/world.h"

namespace {

bool fullscreen = false;
Placement placement;

DesktopSize desktop() {
    DesktopSize size;
    int w = 0;
    int h = 0;
    if (get_desktop_resolution(&w, &h) == 0) size = {w, h};
    return size;
}

// The 16-bit pixel layout a mode leaves behind.
struct PixelLayout {
    int r, g, b;
    bool operator!=(const PixelLayout& o) const { return r != o.r || g != o.g || b != o.b; }
};
PixelLayout pixel_layout() { return {_rgb_r_shift_16, _rgb_g_shift_16, _rgb_b_shift_16}; }

// Without a screen or its pictures no frame can be drawn: the game ends as
// a refused display mode at start-up ends it.
[[noreturn]] void give_up(const std::string& why) {
    std::fprintf(stderr, "headbot: %s\n", why.c_str());
    tear_down();
    std::exit(1);
}

bool set_mode(bool full) {
    const DesktopSize size = desktop();
    before_window_mode(full);
    if (full) {
        if (size.width <= 0 || size.height <= 0) return false;  // nothing to fill
        if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, size.width, size.height, 0, 0) != 0) return false;
        const int scale = fullscreen_scale(size, screen_width, screen_height);
        placement = {(size.width - screen_width * scale) / 2, (size.height - screen_height * scale) / 2,
                     scale};
    } else {
        const int scale = window_scale(size, screen_width, screen_height, display_scale);
        if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, screen_width * scale, screen_height * scale, 0, 0) != 0)
            return false;
        placement = {0, 0, scale};
    }
    after_window_mode(full);
    fullscreen = full;
    return true;
}

}  // namespace

bool open_display() {
    if (display_fullscreen == 1 && set_mode(true)) return true;
    return set_mode(false);
}

void toggle_fullscreen() {
    const bool was_full = fullscreen;
    const PixelLayout layout = pixel_layout();
    hold_presenting();
    if (!set_mode(!was_full) && !set_mode(was_full)) {
        resume_presenting(placement);
        give_up("the display was lost while changing its mode");
    }
    // The pictures were converted to the old layout as they were loaded.
    if (pixel_layout() != layout) {
        destroy_assets();
        std::string failure;
        if (!create_assets(failure)) {
            resume_presenting(placement);
            give_up(failure);
        }
    }
    resume_presenting(placement);
}

Placement display_placement() { return placement; }
