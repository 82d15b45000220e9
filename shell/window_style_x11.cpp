#include "shell/window_style.h"

#include <allegro.h>
#include <xalleg.h>

// X sizes the new window as asked whatever its decorations.
void before_window_mode(bool) {}

// Allegro's own fullscreen switches the monitor's mode, which many X servers
// cannot do; a borderless window as large as the desktop works on all. The
// window manager is asked for its fullscreen state, and a missing window
// manager is served by the window's size and place alone.
void after_window_mode(bool full) {
    XLOCK();
    Display* display = _xwin.display;
    Window window = _xwin.wm_window ? _xwin.wm_window : _xwin.window;
    if (display && window) {
        struct {
            unsigned long flags, functions, decorations;
            long input_mode;
            unsigned long status;
        } motif = {2, 0, full ? 0ul : 1ul, 0, 0};  // 2: the decorations field counts
        Atom motif_hints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
        XChangeProperty(display, window, motif_hints, motif_hints, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&motif), 5);
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = full ? 1 : 0;  // add or remove
        event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
        event.xclient.data.l[3] = 1;  // asked by an application
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        if (full) {
            XMoveWindow(display, window, 0, 0);
            XRaiseWindow(display, window);
        }
        XFlush(display);
    }
    XUNLOCK();
}
