// The drawing tests run the library without a display: memory bitmaps only.
#pragma once

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

// Starts the library once per test run, at the game's 16 bits per pixel.
inline void start_headless_allegro() {
    static bool started = false;
    if (started) return;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    started = true;
}
