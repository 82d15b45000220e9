#include "shell/scale.h"

#include <algorithm>

namespace {

// Panels and a title bar: 64 pixels, or a sixteenth of a tall desktop whose
// panels are drawn larger.
int64_t panel_room(int32_t desktop_height) { return std::max<int64_t>(64, desktop_height / 16); }

int32_t largest_fit(int64_t room_w, int64_t room_h, int32_t width, int32_t height) {
    if (width < 1 || height < 1 || room_w < width || room_h < height) return 1;
    return static_cast<int32_t>(std::min(room_w / width, room_h / height));
}

bool known(DesktopSize desktop) { return desktop.width > 0 && desktop.height > 0; }

}  // namespace

int32_t window_scale(DesktopSize desktop, int32_t width, int32_t height, int32_t setting) {
    if (!known(desktop)) return std::max(setting, 1);
    if (setting == 0)
        return largest_fit(desktop.width, desktop.height - panel_room(desktop.height), width, height);
    return std::clamp(setting, 1, largest_fit(desktop.width, desktop.height, width, height));
}

int32_t fullscreen_scale(DesktopSize desktop, int32_t width, int32_t height) {
    if (!known(desktop)) return 1;
    return largest_fit(desktop.width, desktop.height, width, height);
}
