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

bool write_bmp(const Image& img, const std::string& path) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    const std::string bytes = encode_bmp(img);
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
