#include "world/level_name.h"

std::string level_name;

namespace {

constexpr char kNameWord[] = "name ";

// One line, of which only the first `keep` bytes are kept: a file of one
// endless line costs no more memory than a short one.
bool read_bounded_line(std::istream& in, std::string& line, size_t keep) {
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof()) return false;
    while (c != std::istream::traits_type::eof() && c != '\n') {
        if (line.size() < keep) line += static_cast<char>(c);
        c = in.get();
    }
    return true;
}

bool blank(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

}  // namespace

std::string read_level_name(std::istream& in) {
    const size_t word = sizeof(kNameWord) - 1;
    std::string line;
    if (!read_bounded_line(in, line, 0)) return "";  // the rest of the end mark's line
    while (read_bounded_line(in, line, word + kLevelNameBytes + 1)) {
        if (blank(line)) continue;
        if (line.compare(0, word, kNameWord) != 0) return "";
        // a file written on Windows ends its lines with a carriage return
        if (line.back() == '\r') line.pop_back();
        return line.substr(word, kLevelNameBytes);
    }
    return "";
}

std::string level_name_line(const std::string& name) {
    std::string kept;
    for (char c : name)
        if (c != '\n' && c != '\r') kept += c;
    if (kept.empty()) return "";
    return kNameWord + kept + "\n";
}
