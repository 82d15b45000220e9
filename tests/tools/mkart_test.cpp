// The picture generator: BMP bytes, the script language and its errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/mkart/draw.h"
#include "tools/mkart/image.h"
#include "tools/mkart/script.h"

namespace {

using mkart::ArtError;
using mkart::Image;
using mkart::kMask;
using mkart::Rgb;
using mkart::run_script;

const Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};

uint32_t le32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

Image run(const std::string& text) { return run_script(text, "t.art", ""); }

// The message of the error that running `text` raises, or "" if none.
std::string error_of(const std::string& text) {
  try {
    run(text);
  } catch (const ArtError& e) {
    return e.what();
  }
  return "";
}

// The Windows programs' icon: one 32-bit picture, bottom-up, the mask colour
// see-through both in its alpha and in the 1-bit mask after it.
TEST(MkartIco, OnePictureWithTheMaskColourSeeThrough) {
  Image img(33, 2, Rgb{1, 2, 3});
  img.set(0, 0, kMask);   // top-left: see-through
  img.set(32, 1, Rgb{40, 50, 60});  // bottom-right
  const std::string b = mkart::encode_ico(img);

  const uint32_t mask_row = 8;  // 33 bits fill two 32-bit words
  ASSERT_EQ(b.size(), 6u + 16u + 40u + 33u * 2u * 4u + mask_row * 2u);
  EXPECT_EQ(le32(b, 0), 0x10000u);  // reserved 0, type 1: an icon
  EXPECT_EQ(static_cast<uint8_t>(b[4]), 1);  // one picture
  EXPECT_EQ(static_cast<uint8_t>(b[6]), 33);
  EXPECT_EQ(static_cast<uint8_t>(b[7]), 2);
  EXPECT_EQ(le32(b, 14), b.size() - 22u);  // the picture's bytes
  EXPECT_EQ(le32(b, 18), 22u);             // and where they start
  EXPECT_EQ(le32(b, 26), 33u);
  EXPECT_EQ(le32(b, 30), 4u);  // twice the height: colours and mask
  EXPECT_EQ(static_cast<uint8_t>(b[36]), 32);

  const size_t pixels = 22 + 40;
  // the first stored row is the bottom one: its last pixel opaque
  EXPECT_EQ(static_cast<uint8_t>(b[pixels + 32 * 4 + 0]), 60);
  EXPECT_EQ(static_cast<uint8_t>(b[pixels + 32 * 4 + 2]), 40);
  EXPECT_EQ(static_cast<uint8_t>(b[pixels + 32 * 4 + 3]), 255);
  // the top row's first pixel clear
  EXPECT_EQ(le32(b, pixels + 33 * 4), 0u);
  const size_t mask = pixels + 33 * 2 * 4;
  EXPECT_EQ(static_cast<uint8_t>(b[mask]), 0);  // bottom row: nothing see-through
  EXPECT_EQ(static_cast<uint8_t>(b[mask + mask_row]), 0x80);  // top row: its first pixel
}

TEST(MkartBmp, HeaderRowPaddingAndBottomUpOrder) {
  // 29 pixels make 87 bytes a row: one byte of padding brings it to 88.
  Image img(29, 2, Rgb{1, 2, 3});
  img.set(0, 0, Rgb{10, 20, 30});  // top-left
  img.set(28, 1, Rgb{40, 50, 60});  // bottom-right
  const std::string b = mkart::encode_bmp(img);

  ASSERT_EQ(b.size(), 54u + 88u * 2);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(le32(b, 2), b.size());
  EXPECT_EQ(le32(b, 10), 54u);  // pixels start after both headers
  EXPECT_EQ(le32(b, 18), 29u);
  EXPECT_EQ(le32(b, 22), 2u);  // positive height: rows stored bottom-up
  EXPECT_EQ(static_cast<uint8_t>(b[28]), 24);
  EXPECT_EQ(le32(b, 30), 0u);  // uncompressed

  // First stored row is the bottom one; each pixel blue, green, red.
  EXPECT_EQ(static_cast<uint8_t>(b[54 + 28 * 3 + 0]), 60);
  EXPECT_EQ(static_cast<uint8_t>(b[54 + 28 * 3 + 2]), 40);
  EXPECT_EQ(b[54 + 87], '\0');
  EXPECT_EQ(static_cast<uint8_t>(b[54 + 88 + 0]), 30);
  EXPECT_EQ(static_cast<uint8_t>(b[54 + 88 + 1]), 20);
  EXPECT_EQ(static_cast<uint8_t>(b[54 + 88 + 2]), 10);
}

TEST(MkartScript, RowsPaintPaletteColoursAndTildeKeepsWhatIsBelow) {
  const Image img = run(
      "size 3 2\n"
      "color r 255 0 0\n"
      "color b 0 0 255\n"
      "fill b\n"
      "# a comment, then rows placed at (0, 0)\n"
      "rows 0 0\n"
      "r~r\n"
      "~r~\n"
      "end\n");
  EXPECT_EQ(img.at(0, 0), kRed);
  EXPECT_EQ(img.at(1, 0), kBlue);
  EXPECT_EQ(img.at(2, 0), kRed);
  EXPECT_EQ(img.at(0, 1), kBlue);
  EXPECT_EQ(img.at(1, 1), kRed);
}

TEST(MkartScript, NewPictureIsAllMaskAndMirrorFlipsSideways) {
  const Image img = run(
      "size 4 1\n"
      "color r 255 0 0\n"
      "rows 0 0\n"
      "r~~~\n"
      "end\n"
      "mirror\n");
  EXPECT_EQ(img.at(3, 0), kRed);
  EXPECT_EQ(img.at(0, 0), kMask);
  EXPECT_EQ(img.at(1, 0), kMask);
}

TEST(MkartScript, TextCentresOnThePicture) {
  // "I" is five font pixels wide: ".###." on its top row.
  const Image img = run("size 13 7\ncolor w 255 255 255\ntext center 0 1 w I\n");
  EXPECT_EQ(img.at(4, 0), kMask);
  EXPECT_EQ(img.at(5, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(img.at(7, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(img.at(8, 0), kMask);
  EXPECT_EQ(mkart::text_width("HEADBOT", 12), 7 * 6 * 12 - 12);
}

TEST(MkartScript, ErrorsNameFileAndLine) {
  EXPECT_EQ(error_of("size 2 2\n\nwobble 1\n"), "t.art:3: unknown command \"wobble\"");
  EXPECT_EQ(error_of("color r 255 0 0\nrect 0 0 1 1 r\n"), "t.art:2: \"rect\" before \"size\"");
  EXPECT_EQ(error_of("color r 255 0 0\n"), "t.art:2: no \"size\" line: the picture has no size");
  EXPECT_EQ(error_of("size 2 2\nfill q\n"), "t.art:2: colour 'q' has no \"color\" line");
  EXPECT_EQ(error_of("size 2 x\n"), "t.art:1: \"x\" is not a number");
  EXPECT_EQ(error_of("size 2 2\nrect 0 0 1\n"), "t.art:2: expected: rect X Y W H C");
  EXPECT_EQ(error_of("size 2 2\nsize 2 2\n"), "t.art:2: a second \"size\"");
  EXPECT_EQ(error_of("size 9 9\ncolor w 1 1 1\ntext 0 0 1 w A@B\n"),
            "t.art:3: the font has no glyph for a character of \"A@B\"");
}

TEST(MkartScript, RowErrorsPointAtTheRow) {
  const std::string head = "size 3 3\ncolor r 255 0 0\nrows 0 0\n";
  EXPECT_EQ(error_of(head + "rrr\nrr\nend\n"), "t.art:5: row is 2 wide, the first was 3");
  EXPECT_EQ(error_of(head + "rrr\nrxr\nend\n"),
            "t.art:5: colour 'x' has no \"color\" line (column 2)");
  EXPECT_EQ(error_of(head + "rrrr\nend\n"), "t.art:4: row runs outside the picture");
  EXPECT_EQ(error_of(head + "rrr\n"), "t.art:3: \"rows\" without its \"end\"");
}

TEST(MkartScript, ColoursThatWouldTurnIntoTheMaskAreRefused) {
  // 16-bit pixels keep 5 bits of red and blue, 6 of green: these land on 255,0,255.
  EXPECT_EQ(error_of("color p 250 2 250\nsize 1 1\n"),
            "t.art:1: too close to the mask colour 255 0 255: it would turn transparent");
  EXPECT_EQ(error_of("color p 300 0 0\nsize 1 1\n"), "t.art:1: colour channels run from 0 to 255");
  EXPECT_EQ(error_of("color . 255 0 255\ncolor p 247 0 255\nsize 1 1\n"), "");
}

class MkartFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/mkart_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    for (const char* f : {"dot.art", "loop.art", "main.art"}) std::remove((dir_ + "/" + f).c_str());
    std::remove(dir_.c_str());
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name) << text;
  }
  std::string dir_;
};

TEST_F(MkartFiles, StampScalesAnotherScriptAndSkipsItsMask) {
  write("dot.art", "size 2 1\ncolor r 255 0 0\nrows 0 0\nr~\nend\n");
  write("main.art", "size 6 3\ncolor b 0 0 255\nfill b\nstamp dot.art 1 1 2\n");
  const Image img = mkart::run_file(dir_ + "/main.art");
  EXPECT_EQ(img.at(1, 1), kRed);
  EXPECT_EQ(img.at(2, 2), kRed);
  EXPECT_EQ(img.at(3, 1), kBlue);  // the dot's mask half leaves the fill alone
  EXPECT_EQ(img.at(0, 1), kBlue);
}

TEST_F(MkartFiles, MissingAndSelfStampingFilesFailWithTheirNames) {
  write("main.art", "size 2 2\nstamp nothere.art 0 0 1\n");
  try {
    mkart::run_file(dir_ + "/main.art");
    FAIL() << "no error";
  } catch (const ArtError& e) {
    EXPECT_EQ(std::string(e.what()), dir_ + "/main.art:2: cannot read " + dir_ + "/nothere.art");
  }
  write("loop.art", "size 2 2\nstamp loop.art 0 0 1\n");
  EXPECT_THROW(mkart::run_file(dir_ + "/loop.art"), ArtError);
}

TEST(MkartDraw, PolygonFillsExactlyTheCoveredPixels) {
  // A 4 by 3 rectangle's corners: pixel centres inside it, no more, no less.
  Image img(8, 8);
  mkart::fill_polygon(img, {2, 1, 6, 1, 6, 4, 2, 4}, kRed);
  int painted = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (img.at(x, y) == kRed) {
        ++painted;
        EXPECT_TRUE(x >= 2 && x < 6 && y >= 1 && y < 4) << x << "," << y;
      }
  EXPECT_EQ(painted, 12);
}

TEST(MkartDraw, ShadedDomeIsLitFromTheUpperLeftAndShapesClip) {
  const Rgb dark{10, 10, 10}, mid{100, 100, 100}, light{250, 250, 250};
  Image img(21, 21);
  mkart::shade_ellipse(img, 10, 10, 10, 10, {dark, mid, light});
  EXPECT_EQ(img.at(0, 0), kMask);   // outside the circle
  EXPECT_EQ(img.at(16, 17), dark);  // lower right, turned away
  EXPECT_NE(img.at(6, 6), dark);    // upper left, toward the light
  EXPECT_EQ(img.at(10, 0), img.at(0, 10));  // lit alike on the diagonal's two sides
  // Shapes hanging over the edges are cut off, not wrapped or refused.
  mkart::fill_ellipse(img, 0, 0, 30, 30, kRed);
  mkart::thick_line(img, -5, -5, 40, 40, 3, kBlue);
  EXPECT_EQ(img.at(20, 20), kBlue);
}

}  // namespace
