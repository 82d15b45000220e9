#include "world/pack_title.h"

#include <fstream>

namespace {

// A title and author of kLongestPackWords each, with their keys: no more is read.
constexpr size_t kLargestTitleFile = 2 * kLongestPackWords + 32;

bool take(const std::string& line, const std::string& key, std::string& words) {
    if (line.rfind(key + " ", 0) != 0) return false;
    words = line.substr(key.size() + 1);
    return pack_words_problem(words).empty();
}

}  // namespace

std::string pack_title_text(const LevelPack& pack) {
    return "title " + pack.title + "\nauthor " + pack.author + "\n";
}

bool read_pack_title(const std::string& path, PackTitle& title) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text(kLargestTitleFile + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad() || text.size() > kLargestTitleFile) return false;
    const size_t first_end = text.find('\n');
    if (first_end == std::string::npos) return false;
    const size_t second_end = text.find('\n', first_end + 1);
    if (second_end == std::string::npos) return false;
    PackTitle read;
    if (!take(text.substr(0, first_end), "title", read.title) ||
        !take(text.substr(first_end + 1, second_end - first_end - 1), "author", read.author))
        return false;
    title = read;
    return true;
}
