// The level's size typed as two numbers: a line of text the maker edits,
// read when Enter applies it. No display here.
#pragma once

#include <cstdint>
#include <string>

// Reads "WIDTH HEIGHT" (blanks or a comma between). False, with the reason
// in `refusal`, for anything but two whole numbers from the smallest level
// side to the largest the editor sets.
bool parse_level_size(const std::string& text, int32_t& width, int32_t& height, std::string& refusal);

class SizePrompt {
public:
    void open(int32_t width, int32_t height);  // starts with the size as it is
    void close() { open_ = false; }
    bool is_open() const { return open_; }
    void type(char c);   // printable letters only; the line is kept short
    void erase();        // the last letter
    const std::string& text() const { return text_; }
    // The status line while typing.
    std::string line() const;

private:
    bool open_ = false;
    std::string text_;
};
