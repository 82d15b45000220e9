// mkart SOURCE OUTPUT: runs one art script and writes the picture as a BMP,
// or as an icon when OUTPUT ends in ".ico".
#include <cstdio>

#include "tools/mkart/script.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mkart SOURCE.art OUTPUT.bmp|OUTPUT.ico\n");
    return 2;
  }
  try {
    const mkart::Image img = mkart::run_file(argv[1]);
    if (!mkart::write_picture(img, argv[2])) {
      std::fprintf(stderr, "mkart: cannot write %s\n", argv[2]);
      return 1;
    }
  } catch (const mkart::ArtError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
