// The built-in 5x7 capitals used for text on the screens.
#pragma once

namespace mkart {

constexpr int kGlyphW = 5;
constexpr int kGlyphH = 7;

// Seven rows of five characters, '#' for a lit pixel; null when the font has
// no such character. Small letters are drawn as capitals.
const char* const* glyph(char ch);

}  // namespace mkart
