#include "tools/mkart/draw.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "tools/mkart/font.h"

namespace mkart {

namespace {

Rgb blend(Rgb a, Rgb b, double t) {
  auto mix = [t](uint8_t p, uint8_t q) {
    return static_cast<uint8_t>(std::lround(p + (q - p) * t));
  };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// Ellipse membership: the half-pixel slack keeps small circles round
// instead of growing single-pixel nubs at the four extremes.
bool in_ellipse(int dx, int dy, int rx, int ry, double* nx, double* ny) {
  *nx = dx / (rx + 0.5);
  *ny = dy / (ry + 0.5);
  return *nx * *nx + *ny * *ny <= 1.0;
}

}  // namespace

void fill_rect(Image& img, int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) img.set(i, j, c);
}

void frame_rect(Image& img, int x, int y, int w, int h, Rgb c) {
  if (w <= 0 || h <= 0) return;
  fill_rect(img, x, y, w, 1, c);
  fill_rect(img, x, y + h - 1, w, 1, c);
  fill_rect(img, x, y, 1, h, c);
  fill_rect(img, x + w - 1, y, 1, h, c);
}

void vgradient(Image& img, int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) {
    const Rgb c = blend(top, bottom, h > 1 ? static_cast<double>(j) / (h - 1) : 0.0);
    fill_rect(img, x, y + j, w, 1, c);
  }
}

void fill_ellipse(Image& img, int cx, int cy, int rx, int ry, Rgb c) {
  double nx, ny;
  for (int dy = -ry; dy <= ry; ++dy)
    for (int dx = -rx; dx <= rx; ++dx)
      if (in_ellipse(dx, dy, rx, ry, &nx, &ny)) img.set(cx + dx, cy + dy, c);
}

void shade_ellipse(Image& img, int cx, int cy, int rx, int ry, const std::vector<Rgb>& ramp) {
  if (ramp.empty()) return;
  const double len = std::sqrt(0.45 * 0.45 + 0.55 * 0.55 + 0.70 * 0.70);
  const double lx = -0.45 / len, ly = -0.55 / len, lz = 0.70 / len;
  const int n = static_cast<int>(ramp.size());
  double nx, ny;
  for (int dy = -ry; dy <= ry; ++dy)
    for (int dx = -rx; dx <= rx; ++dx) {
      if (!in_ellipse(dx, dy, rx, ry, &nx, &ny)) continue;
      const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
      const double lit = nx * lx + ny * ly + nz * lz;  // -1 .. 1
      // Only a small spot near the light gets the last (highlight) shade.
      int idx;
      if (n > 1 && lit > 0.94) {
        idx = n - 1;
      } else {
        const double t = std::clamp((lit + 0.25) / 1.2, 0.0, 0.999);
        idx = static_cast<int>(t * (n > 1 ? n - 1 : 1));
      }
      img.set(cx + dx, cy + dy, ramp[static_cast<size_t>(idx)]);
    }
}

void thick_line(Image& img, int x0, int y0, int x1, int y1, int thick, Rgb c) {
  if (thick < 1) thick = 1;
  const int lo = -(thick - 1) / 2, hi = lo + thick - 1;
  const double mid = (lo + hi) / 2.0, r2 = thick * thick / 4.0 + 0.25;
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int s = 0; s <= steps; ++s) {
    const double t = steps ? static_cast<double>(s) / steps : 0.0;
    const int px = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
    const int py = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
    for (int j = lo; j <= hi; ++j)
      for (int i = lo; i <= hi; ++i)
        if ((i - mid) * (i - mid) + (j - mid) * (j - mid) <= r2) img.set(px + i, py + j, c);
  }
}

void fill_polygon(Image& img, const std::vector<int>& xy, Rgb c) {
  const size_t n = xy.size() / 2;
  if (n < 3) return;
  int ymin = xy[1], ymax = xy[1];
  for (size_t k = 0; k < n; ++k) {
    ymin = std::min(ymin, xy[2 * k + 1]);
    ymax = std::max(ymax, xy[2 * k + 1]);
  }
  std::vector<double> cuts;
  for (int y = ymin; y <= ymax; ++y) {
    const double sy = y + 0.5;
    cuts.clear();
    for (size_t k = 0; k < n; ++k) {
      const double ax = xy[2 * k], ay = xy[2 * k + 1];
      const double bx = xy[2 * ((k + 1) % n)], by = xy[2 * ((k + 1) % n) + 1];
      if ((ay <= sy) != (by <= sy)) cuts.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
    }
    std::sort(cuts.begin(), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); k += 2)
      for (int x = static_cast<int>(std::ceil(cuts[k] - 0.5)); x + 0.5 < cuts[k + 1]; ++x)
        img.set(x, y, c);
  }
}

void outline(Image& img, Rgb c) {
  std::vector<std::pair<int, int>> edge;
  auto painted = [&img](int x, int y) { return img.inside(x, y) && img.at(x, y) != kMask; };
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.at(x, y) == kMask &&
          (painted(x - 1, y) || painted(x + 1, y) || painted(x, y - 1) || painted(x, y + 1)))
        edge.emplace_back(x, y);
  for (const auto& p : edge) img.set(p.first, p.second, c);
}

void mirror(Image& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width() / 2; ++x) {
      const int o = img.width() - 1 - x;
      const Rgb a = img.at(x, y);
      img.set(x, y, img.at(o, y));
      img.set(o, y, a);
    }
}

void speckle(Image& img, unsigned seed, int count, int x, int y, int w, int h, Rgb c) {
  if (w <= 0 || h <= 0) return;
  // minstd_rand is fully specified, so the same seed gives the same picture
  // on every compiler; the distributions of <random> are not.
  std::minstd_rand rng(seed ? seed : 1);
  for (int k = 0; k < count; ++k) {
    const int px = static_cast<int>(rng() % static_cast<unsigned>(w));
    const int py = static_cast<int>(rng() % static_cast<unsigned>(h));
    img.set(x + px, y + py, c);
  }
}

void stamp(Image& img, const Image& src, int x, int y, int k) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i)
      if (src.at(i, j) != kMask) fill_rect(img, x + i * k, y + j * k, k, k, src.at(i, j));
}

bool text_known(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char ch) { return glyph(ch) != nullptr; });
}

int text_width(const std::string& s, int k) {
  return s.empty() ? 0 : static_cast<int>(s.size()) * (kGlyphW + 1) * k - k;
}

void draw_text(Image& img, int x, int y, int k, const std::string& s, Rgb top, Rgb bottom) {
  const int tall = kGlyphH * k;
  for (size_t n = 0; n < s.size(); ++n) {
    const char* const* rows = glyph(s[n]);
    if (!rows) continue;
    const int gx = x + static_cast<int>(n) * (kGlyphW + 1) * k;
    for (int r = 0; r < kGlyphH; ++r)
      for (int col = 0; col < kGlyphW; ++col) {
        if (rows[r][col] != '#') continue;
        for (int j = 0; j < k; ++j) {
          const int py = r * k + j;
          const Rgb c = blend(top, bottom, tall > 1 ? static_cast<double>(py) / (tall - 1) : 0.0);
          fill_rect(img, gx + col * k, y + py, k, 1, c);
        }
      }
  }
}

}  // namespace mkart
