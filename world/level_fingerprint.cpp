#include "world/level_fingerprint.h"

#include <cstdint>
#include <cstdio>
#include <sstream>

namespace {
const char kFingerprintMark[] = "# level fingerprint ";
}

std::string text_fingerprint(const std::string& text) {
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char mark[17];
    std::snprintf(mark, sizeof mark, "%016llx", static_cast<unsigned long long>(hash));
    return mark;
}

std::string fingerprint_line(const std::string& fingerprint) {
    return kFingerprintMark + fingerprint + "\n";
}

std::string fingerprint_in_key_script(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(kFingerprintMark, 0) == 0) return line.substr(sizeof kFingerprintMark - 1);
        if (!line.empty() && line[0] != '#') break;  // only the comments at the top count
    }
    return "";
}
