#include "render/overlay_text.h"

#include <allegro.h>

namespace {

constexpr int kPadding = 4;

}  // namespace

std::string shown_text(const std::string& text, int max_letters) {
    std::string shown;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7e) continue;  // the font has no glyph, or a wrong one
        if (max_letters > 0 && static_cast<int>(shown.size()) >= max_letters) break;
        shown += c;
    }
    return shown;
}

void draw_boxed_text(BITMAP* target, int x, int y, const std::string& text, int colour, Align align,
                     bool framed) {
    const std::string shown = shown_text(text, 0);
    const int w = static_cast<int>(shown.size()) * kGlyphSize + 2 * kPadding;
    const int h = kGlyphSize + 2 * kPadding;
    int left = x;
    if (align == Align::kCentre) left = x - w / 2;
    if (align == Align::kRight) left = x - w;
    rectfill(target, left, y, left + w - 1, y + h - 1, makecol(16, 16, 24));
    if (framed) rect(target, left, y, left + w - 1, y + h - 1, colour);
    textout_ex(target, font, shown.c_str(), left + kPadding, y + kPadding, colour, -1);
}
