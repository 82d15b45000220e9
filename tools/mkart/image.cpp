#include "tools/mkart/image.h"

#include <cstdio>
#include <fstream>

namespace mkart {

namespace {

void put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>((v >> 8) & 0xff);
}

void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

}  // namespace

std::string encode_bmp(const Image& img) {
  const uint32_t row_bytes = (static_cast<uint32_t>(img.width()) * 3 + 3) & ~3u;
  const uint32_t data_bytes = row_bytes * static_cast<uint32_t>(img.height());
  const uint32_t header_bytes = 14 + 40;

  std::string out;
  out.reserve(header_bytes + data_bytes);
  out += "BM";
  put32(out, header_bytes + data_bytes);  // file size
  put32(out, 0);                          // reserved
  put32(out, header_bytes);               // offset of the pixels
  put32(out, 40);                         // BITMAPINFOHEADER
  put32(out, static_cast<uint32_t>(img.width()));
  put32(out, static_cast<uint32_t>(img.height()));  // positive: bottom-up
  put16(out, 1);                                    // planes
  put16(out, 24);                                   // bits per pixel
  put32(out, 0);                                    // BI_RGB
  put32(out, data_bytes);
  put32(out, 2835);  // 72 dpi, both ways
  put32(out, 2835);
  put32(out, 0);  // no palette
  put32(out, 0);

  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.width(); ++x) {
      const Rgb c = img.at(x, y);
      out += static_cast<char>(c.b);
      out += static_cast<char>(c.g);
      out += static_cast<char>(c.r);
    }
    for (uint32_t pad = static_cast<uint32_t>(img.width()) * 3; pad < row_bytes; ++pad) out += '\0';
  }
  return out;
}

std::string encode_ico(const Image& img) {
  const uint32_t w = static_cast<uint32_t>(img.width());
  const uint32_t h = static_cast<uint32_t>(img.height());
  const uint32_t mask_row = ((w + 31) / 32) * 4;  // 1 bit a pixel, rows of whole 32-bit words
  const uint32_t image_bytes = 40 + w * h * 4 + mask_row * h;

  std::string out;
  put16(out, 0);  // reserved
  put16(out, 1);  // an icon
  put16(out, 1);  // one picture
  out += static_cast<char>(w >= 256 ? 0 : w);  // 0 stands for 256
  out += static_cast<char>(h >= 256 ? 0 : h);
  out += '\0';     // no palette
  out += '\0';
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, image_bytes);
  put32(out, 6 + 16);  // the picture follows this one entry

  put32(out, 40);
  put32(out, w);
  put32(out, h * 2);  // the colours and the mask, one above the other
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);  // BI_RGB
  put32(out, w * h * 4 + mask_row * h);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.width(); ++x) {
      const Rgb c = img.at(x, y);
      const bool clear = c == kMask;
      out += static_cast<char>(clear ? 0 : c.b);
      out += static_cast<char>(clear ? 0 : c.g);
      out += static_cast<char>(clear ? 0 : c.r);
      out += static_cast<char>(clear ? 0 : 255);
    }
  }
  for (int y = img.height() - 1; y >= 0; --y) {
    std::string row(mask_row, '\0');
    for (int x = 0; x < img.width(); ++x)
      if (img.at(x, y) == kMask) row[static_cast<size_t>(x) / 8] |= static_cast<char>(0x80 >> (x % 8));
    out += row;
  }
  return out;
}

bool write_picture(const Image& img, const std::string& path) {
  const bool icon = path.size() >= 4 && path.compare(path.size() - 4, 4, ".ico") == 0;
  const std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    const std::string bytes = icon ? encode_ico(img) : encode_bmp(img);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f.good()) {
      f.close();
      std::remove(tmp.c_str());
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace mkart
