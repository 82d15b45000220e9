#include "shell/window_style.h"

#include <allegro.h>
#include <winalleg.h>

#include <atomic>

namespace {

constexpr LONG kFrame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

std::atomic<bool> borderless{false};

// Allegro gives its window back its first style, with a frame, whenever a
// mode ends, and sizes the next mode's window by the style it then finds.
// While fullscreen is wanted the window loses its frame on the way where
// Windows lets a window change the style it is given; where it does not
// (Wine), the framed window may be larger than the screen, and loses its
// frame once the mode is set.
int let_fullscreen_through(HWND, UINT message, WPARAM which, LPARAM change, int* result) {
    if (!borderless) return 1;
    if (message == WM_STYLECHANGING && static_cast<int>(which) == GWL_STYLE) {
        auto* style = reinterpret_cast<STYLESTRUCT*>(change);
        style->styleNew = (style->styleNew & ~kFrame) | WS_POPUP;
    } else if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(change);
        limits->ptMaxSize = limits->ptMaxTrackSize = POINT{32767, 32767};
        *result = 0;
        return 0;
    }
    return 1;  // Allegro's own handling goes on
}

}  // namespace

void before_window_mode(bool full) {
    static bool hooked = false;
    if (!hooked) win_set_msg_pre_proc(let_fullscreen_through);
    hooked = true;
    borderless = full;
}

void after_window_mode(bool full) {
    HWND window = win_get_window();
    if (!full || !window) return;
    // the picture fills the client area Allegro made the desktop's size:
    // without a frame the window is exactly that, from the monitor's corner
    RECT client{};
    GetClientRect(window, &client);
    SetWindowLong(window, GWL_STYLE, (GetWindowLong(window, GWL_STYLE) & ~kFrame) | WS_POPUP);
    SetWindowPos(window, HWND_TOP, 0, 0, client.right, client.bottom, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}
