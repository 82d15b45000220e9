#include "edit/size_prompt.h"

#include <cerrno>
#include <cstdlib>

#include "edit/level_edit.h"

namespace {

constexpr size_t kLongestLine = 24;

// One whole number at `at`, skipping blanks and a comma before it.
bool read_number(const std::string& text, size_t& at, long long& value) {
    while (at < text.size() && (text[at] == ' ' || text[at] == ',')) ++at;
    if (at >= text.size()) return false;
    const char* start = text.c_str() + at;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE) return false;
    at += static_cast<size_t>(end - start);
    return at >= text.size() || text[at] == ' ' || text[at] == ',';
}

}  // namespace

bool parse_level_size(const std::string& text, int32_t& width, int32_t& height, std::string& refusal) {
    size_t at = 0;
    long long w = 0, h = 0;
    const bool two = read_number(text, at, w) && read_number(text, at, h);
    while (at < text.size() && text[at] == ' ') ++at;
    if (!two || at < text.size()) {
        refusal = "\"" + text + "\" is not two whole numbers, the width and the height";
        return false;
    }
    if (w < kSmallestLevelSide || h < kSmallestLevelSide || w > kLargestEditedSide || h > kLargestEditedSide) {
        refusal = "a level side must be " + std::to_string(kSmallestLevelSide) + " to " +
                  std::to_string(kLargestEditedSide) + " pixels, not " + std::to_string(w) + " by " +
                  std::to_string(h);
        return false;
    }
    width = static_cast<int32_t>(w);
    height = static_cast<int32_t>(h);
    return true;
}

void SizePrompt::open(int32_t width, int32_t height) {
    open_ = true;
    text_ = std::to_string(width) + " " + std::to_string(height);
}

void SizePrompt::type(char c) {
    if (c < 0x20 || c > 0x7e || text_.size() >= kLongestLine) return;
    text_ += c;
}

void SizePrompt::erase() {
    if (!text_.empty()) text_.pop_back();
}

std::string SizePrompt::line() const {
    return "level size (width height): " + text_ + "_   Enter applies, Esc cancels";
}
