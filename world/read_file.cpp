#include <fstream>
#include <sstream>

#include "world/owned_file.h"

bool read_whole_file(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    // a folder opens on some systems and fails to read
    if (in.bad()) return false;
    text = all.str();
    return true;
}
