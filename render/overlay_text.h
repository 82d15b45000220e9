// Text drawn over a picture in the library's 8 by 8 font, on a dark box so
// that it reads on any level's background. Shared by every sign and card.
#pragma once

#include <string>
#include <vector>

struct BITMAP;

constexpr int kGlyphSize = 8;  // the library's font: 8 by 8 pixels a letter

// `text` as it may be shown: bytes that are not printable ASCII dropped,
// cut to `max_letters` (none when 0 or less).
std::string shown_text(const std::string& text, int max_letters);

enum class Align { kLeft, kCentre, kRight };

// One line in a box whose top is `y`; `x` is the box's left edge, centre or
// right edge as `align` says. `colour` is the letters' (makecol), the box is
// near-black with a one-pixel frame of the letters' colour when `framed`.
void draw_boxed_text(BITMAP* target, int x, int y, const std::string& text, int colour,
                     Align align = Align::kCentre, bool framed = false);

// A line of a card: its text, how many times the font's size, its colour.
struct CardLine {
    std::string text;
    int factor = 1;
    int colour = 0;
};

// Lines one under another, each centred on `cx`, in one framed box whose top
// is `y`. A line too long for `max_width` pixels is cut, so a card never
// leaves the screen. Returns the box's height.
int draw_card(BITMAP* target, int cx, int y, const std::vector<CardLine>& lines, int max_width);

// `text` broken into lines of at most `max_letters` (at least 1), at blanks
// where it can and inside a word too long for a line.
std::vector<std::string> wrap_text(const std::string& text, int max_letters);
