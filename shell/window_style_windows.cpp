#include "shell/window_style.h"

#include <allegro.h>
#include <winalleg.h>

#include <atomic>

namespace {

constexpr LONG kFrame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

std::atomic<bool> borderless{false};

// Allegro gives its window back its first style whenever a mode ends, and
// sizes the next mode's window by the style it then finds: while fullscreen
// is wanted, every style the window is given loses its frame, so the window
// is made exactly the desktop's size.
int keep_frameless(HWND, UINT message, WPARAM which, LPARAM change, int*) {
    if (message == WM_STYLECHANGING && static_cast<int>(which) == GWL_STYLE && borderless) {
        auto* style = reinterpret_cast<STYLESTRUCT*>(change);
        style->styleNew = (style->styleNew & ~kFrame) | WS_POPUP;
    }
    return 1;  // Allegro's own handling goes on
}

}  // namespace

void before_window_mode(bool full) {
    static bool hooked = false;
    if (!hooked) win_set_msg_pre_proc(keep_frameless);
    hooked = true;
    borderless = full;
    HWND window = win_get_window();
    if (!window) return;
    const LONG style = GetWindowLong(window, GWL_STYLE);
    SetWindowLong(window, GWL_STYLE, full ? (style & ~kFrame) | WS_POPUP : (style & ~WS_POPUP) | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void after_window_mode(bool full) {
    HWND window = win_get_window();
    // Allegro placed the window in the desktop's work area, clear of the
    // task bar; fullscreen covers the whole monitor from its corner
    if (full && window) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}
