// "config.txt": screen width, screen height, rest per frame in ms, frames
// skipped between drawn frames, then two optional display settings: the
// window's scale factor and whether the game starts fullscreen.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

// The window shows each game pixel as a square of this many screen pixels;
// 0 picks the largest that fits the desktop. 1 when the file has no fifth
// number, so a file of four numbers opens the window it always did.
extern int32_t display_scale;
// 1: start fullscreen; 0: in a window.
extern int32_t display_fullscreen;

// Scale factors above this are taken for a slip of the keyboard.
constexpr int32_t kLargestDisplayScale = 16;

// Reads the values in order. The first value that cannot be read keeps its
// default and so does every value after it. A display setting out of its
// range takes its default. Returns what went wrong, in words for the player
// (one line naming the number and what stands there), or nothing.
std::string read_config(std::istream& in);
// The same from a file; a missing file is no problem (every default), one
// that is there but cannot be opened is.
std::string read_config_file(const char* path);
