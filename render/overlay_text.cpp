#include "render/overlay_text.h"

#include <allegro.h>

#include <algorithm>

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

namespace {

constexpr int kLineGap = 6;

int letters_that_fit(int width, int factor) { return (width - 2 * kPadding) / (kGlyphSize * factor); }

// Text at a whole factor of the font: drawn once at the font's size and
// enlarged without blur, letters only (the background shows between them).
void draw_enlarged_text(BITMAP* target, int x, int y, const std::string& text, int colour, int factor) {
    if (factor <= 1) {
        textout_ex(target, font, text.c_str(), x, y, colour, -1);
        return;
    }
    const int w = static_cast<int>(text.size()) * kGlyphSize;
    BITMAP* small = create_bitmap_ex(bitmap_color_depth(target), w, kGlyphSize);
    if (!small) return;
    clear_to_color(small, bitmap_mask_color(small));
    textout_ex(small, font, text.c_str(), 0, 0, colour, -1);
    masked_stretch_blit(small, target, 0, 0, w, kGlyphSize, x, y, w * factor, kGlyphSize * factor);
    destroy_bitmap(small);
}

}  // namespace

int draw_card(BITMAP* target, int cx, int y, const std::vector<CardLine>& lines, int max_width) {
    std::vector<std::string> shown;
    int widest = 0;
    int height = 2 * kPadding;
    for (const CardLine& line : lines) {
        const int factor = line.factor < 1 ? 1 : line.factor;
        shown.push_back(shown_text(line.text, std::max(letters_that_fit(max_width, factor), 1)));
        widest = std::max(widest, static_cast<int>(shown.back().size()) * kGlyphSize * factor);
        height += kGlyphSize * factor + (shown.size() > 1 ? kLineGap : 0);
    }
    const int w = widest + 2 * kPadding;
    const int left = cx - w / 2;
    rectfill(target, left, y, left + w - 1, y + height - 1, makecol(16, 16, 24));
    rect(target, left, y, left + w - 1, y + height - 1, makecol(200, 200, 210));
    int line_y = y + kPadding;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int factor = lines[i].factor < 1 ? 1 : lines[i].factor;
        const int line_w = static_cast<int>(shown[i].size()) * kGlyphSize * factor;
        draw_enlarged_text(target, cx - line_w / 2, line_y, shown[i], lines[i].colour, factor);
        line_y += kGlyphSize * factor + kLineGap;
    }
    return height;
}

std::vector<std::string> wrap_text(const std::string& text, int max_letters) {
    const size_t width = static_cast<size_t>(std::max(max_letters, 1));
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        if (at >= text.size()) break;
        size_t end = std::min(at + width, text.size());
        if (end < text.size() && text[end] != ' ') {
            const size_t blank = text.rfind(' ', end);
            if (blank != std::string::npos && blank > at) end = blank;
        }
        lines.push_back(text.substr(at, end - at));
        at = end;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}
