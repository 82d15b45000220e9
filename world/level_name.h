// A level's name, shown on its card: an optional line "name TEXT" after the
// end mark "! 0 0". Every reader of level files stops at the end mark, so a
// game or tool that knows nothing of names plays a named file exactly as
// the same file without the line.
#pragma once

#include <istream>
#include <string>

// Longer names are cut to this many bytes as they are read.
constexpr size_t kLevelNameBytes = 64;

// The name of the level loaded last; empty when its file has none.
extern std::string level_name;

// Reads the name from a stream that stands just after the end mark's "!":
// the rest of that line is passed over, and the first line after it that is
// not blank names the level if it begins "name ". Anything else is no name.
std::string read_level_name(std::istream& in);

// The line to write after the end mark: "name TEXT\n", or nothing for an
// empty name. Line breaks cannot be kept in a line and are dropped.
std::string level_name_line(const std::string& name);
