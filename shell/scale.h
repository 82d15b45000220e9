// How many screen pixels a game pixel takes, in a window and fullscreen.
// Plain arithmetic on sizes, so that it can be tested without a display.
#pragma once

#include <cstdint>

// A desktop whose size the library cannot tell is 0 by 0.
struct DesktopSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The window's factor for the configured `setting` (0: fit the desktop, 1 or
// more: that factor). Fitting leaves room below and above for the desktop's
// panels and the window's title bar; a fixed factor too large for the
// desktop comes down to the largest that fits. Never less than 1.
int32_t window_scale(DesktopSize desktop, int32_t width, int32_t height, int32_t setting);

// The largest factor at which the picture fits the whole desktop, at least 1.
int32_t fullscreen_scale(DesktopSize desktop, int32_t width, int32_t height);
