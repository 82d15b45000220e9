// Reading a small text file whole, through the standard streams only.
#pragma once

#include <string>

// The whole of a file, or false when it cannot be opened or read.
bool read_whole_file(const std::string& path, std::string& text);
