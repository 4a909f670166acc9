// The writer's own rules: bitmaps that read back as written, and a palette
// in which nothing visible can become the transparent colour.
#include <gtest/gtest.h>

#include "bmp.h"
#include "bmp_reader.h"
#include "palette.h"

namespace art_checks {
namespace {

using artgen::Image;
using artgen::Rgb;

Image pattern(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.at(x, y) = (x + y) % 3 == 0 ? artgen::kTransparent
                                        : Rgb{static_cast<std::uint8_t>(17 * x), static_cast<std::uint8_t>(40 * y),
                                              static_cast<std::uint8_t>(x ^ y)};
  return image;
}

TEST(Encoding, RoundTripsEveryRowPadding) {
  struct Case {
    int width;
    int height;
    int bits;
  };
  // Widths 1 to 4 and 7 cover every padding of both depths.
  const Case cases[] = {{1, 3, 8}, {2, 2, 8}, {3, 5, 8}, {4, 1, 8}, {7, 2, 8},
                        {1, 3, 24}, {2, 2, 24}, {3, 5, 24}, {4, 1, 24}, {7, 2, 24}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "x" << c.bits);
    const Image image = pattern(c.width, c.height);
    const BmpFile f = parse_bmp(artgen::encode_bmp(image, c.bits));
    EXPECT_EQ(f.width, c.width);
    EXPECT_EQ(f.height, c.height);
    EXPECT_EQ(f.bits, c.bits);
    EXPECT_EQ(f.file_size_field, f.actual_size);
    EXPECT_EQ(f.image, image);
  }
}

TEST(Encoding, IsTheSameOnEveryRun) {
  const Image image = pattern(13, 9);
  EXPECT_EQ(artgen::encode_bmp(image, 8), artgen::encode_bmp(image, 8));
}

TEST(Encoding, RejectsOtherDepths) {
  EXPECT_THROW(artgen::encode_bmp(pattern(2, 2), 16), std::invalid_argument);
}

TEST(Palette, KeepsAFewColoursExactlyWithBlackAtEntryZero) {
  Image image(4, 1);
  image.at(0, 0) = artgen::kTransparent;
  image.at(1, 0) = artgen::kWindow;
  image.at(2, 0) = Rgb{8, 8, 8};
  image.at(3, 0) = Rgb{200, 10, 10};
  const artgen::Indexed q = artgen::quantise(image);
  EXPECT_EQ(q.palette[0], artgen::kTransparent);
  EXPECT_EQ(q.indices[0], 0);
  for (int x = 1; x < 4; ++x) {
    EXPECT_NE(q.indices[static_cast<std::size_t>(x)], 0);
    EXPECT_EQ(q.palette[q.indices[static_cast<std::size_t>(x)]], image.at(x, 0));
  }
}

TEST(Palette, NearBlackNeverCollapsesIntoTransparentInARichPicture) {
  // Thousands of colours, many within a step of black: far more than 256.
  Image image(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      image.at(x, y) = (x == y) ? artgen::kTransparent
                                : Rgb{static_cast<std::uint8_t>(x % 3), static_cast<std::uint8_t>(y % 2),
                                      static_cast<std::uint8_t>(1 + x * 3 + y % 3)};
  const artgen::Indexed q = artgen::quantise(image);
  for (std::size_t i = 1; i < 256; ++i) EXPECT_NE(q.palette[i], artgen::kTransparent) << "entry " << i;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      EXPECT_EQ(q.indices[static_cast<std::size_t>(y * 64 + x)] == 0, x == y) << x << "," << y;
}

}  // namespace
}  // namespace art_checks
