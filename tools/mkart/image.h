// A plain 24-bit picture and its Windows BMP encoding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mkart {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The game draws every sprite masked: these pixels let the background through.
constexpr Rgb kMask{255, 0, 255};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kMask)
      : w_(width), h_(height), px_(static_cast<size_t>(width) * height, fill) {}

  int width() const { return w_; }
  int height() const { return h_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Rgb at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  // Writes outside the picture are dropped, so shapes may cross its edges.
  void set(int x, int y, Rgb c) {
    if (inside(x, y)) px_[static_cast<size_t>(y) * w_ + x] = c;
  }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> px_;
};

// Uncompressed 24-bit BMP, rows bottom-up and padded to 4 bytes, as
// load_bitmap expects.
std::string encode_bmp(const Image& img);

// A Windows icon of one 32-bit picture: the mask colour becomes transparent,
// every other pixel opaque. The Windows programs carry the game's icon so.
std::string encode_ico(const Image& img);

// Writes an icon when `path` ends in ".ico", else a BMP, through a temporary
// name, so a failed run never leaves half a file. Returns false when the file
// cannot be written.
bool write_picture(const Image& img, const std::string& path);

}  // namespace mkart
