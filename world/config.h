// "config.txt": screen width, screen height, rest per frame in ms, frames
// skipped between drawn frames.
#pragma once

#include <istream>

// Reads the four values in order. The first value that cannot be read keeps
// its default and so does every value after it; nothing is reported.
void read_config(std::istream& in);
void read_config_file(const char* path);
