// Drawing primitives for the art scripts. Everything clips at the picture's
// edges; colours are exact except where a gradient blends two of them.
#pragma once

#include <string>
#include <vector>

#include "tools/mkart/image.h"

namespace mkart {

void fill_rect(Image& img, int x, int y, int w, int h, Rgb c);
void frame_rect(Image& img, int x, int y, int w, int h, Rgb c);
// Top row in `top`, bottom row in `bottom`, blended in between.
void vgradient(Image& img, int x, int y, int w, int h, Rgb top, Rgb bottom);
// Filled ellipse centred on (cx, cy) with radii rx, ry (a circle when equal).
void fill_ellipse(Image& img, int cx, int cy, int rx, int ry, Rgb c);
// An ellipse shaded as a lit dome: ramp[0] is the darkest shade, the last one
// the highlight; the light comes from the upper left.
void shade_ellipse(Image& img, int cx, int cy, int rx, int ry, const std::vector<Rgb>& ramp);
// A line drawn with a round brush `thick` pixels across.
void thick_line(Image& img, int x0, int y0, int x1, int y1, int thick, Rgb c);
// Filled polygon, corners as x0 y0 x1 y1 ...; pixel centres decide.
void fill_polygon(Image& img, const std::vector<int>& xy, Rgb c);
// Every mask pixel touching a painted one (left, right, up, down) becomes c.
void outline(Image& img, Rgb c);
void mirror(Image& img);
// `count` pixels of colour c at repeatable pseudo-random places in the box.
void speckle(Image& img, unsigned seed, int count, int x, int y, int w, int h, Rgb c);
// Copies `src` scaled up by `k`, leaving out its mask pixels.
void stamp(Image& img, const Image& src, int x, int y, int k);

// Text in the built-in 5x7 capitals, each font pixel a k-by-k block, one
// blank column between letters. Returns false if a character has no glyph.
bool text_known(const std::string& s);
int text_width(const std::string& s, int k);
// Letters shade from `top` to `bottom` over their height.
void draw_text(Image& img, int x, int y, int k, const std::string& s, Rgb top, Rgb bottom);

}  // namespace mkart
