// Decoding bitmap resources: both depths, bottom-up rows, row padding, and
// headers that must be refused.
#include <gtest/gtest.h>

#include <cstring>

#include "bitmap.h"

namespace {

using panelhost::BitmapError;
using panelhost::decode_bitmap;

struct Dib {
  std::vector<unsigned char> bytes;
  template <typename T>
  void put(std::size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
  }
};

// A 3x2 picture: rows padded to four bytes, stored bottom row first.
Dib make_dib(std::uint16_t bits) {
  const std::size_t palette = bits == 8 ? 256 * 4 : 0;
  const std::size_t row = bits == 8 ? 4 : 12;
  Dib dib{std::vector<unsigned char>(40 + palette + 2 * row, 0)};
  dib.put<std::uint32_t>(0, 40);
  dib.put<std::int32_t>(4, 3);
  dib.put<std::int32_t>(8, 2);
  dib.put<std::uint16_t>(12, 1);
  dib.put<std::uint16_t>(14, bits);
  if (bits == 8) {
    dib.put<std::uint32_t>(32, 256);
    dib.put<std::uint32_t>(40 + 4 * 1, 0x00112233);  // colour 1: r 0x11 g 0x22 b 0x33
    dib.put<std::uint32_t>(40 + 4 * 2, 0x00010101);
    dib.bytes[40 + palette + 0] = 1;          // bottom row, x 0
    dib.bytes[40 + palette + row + 2] = 2;    // top row, x 2
  } else {
    dib.bytes[40 + 0] = 0x33;  // bottom row, x 0: blue, green, red
    dib.bytes[40 + 1] = 0x22;
    dib.bytes[40 + 2] = 0x11;
    dib.bytes[40 + row + 6] = 1;  // top row, x 2
    dib.bytes[40 + row + 7] = 1;
    dib.bytes[40 + row + 8] = 1;
  }
  return dib;
}

TEST(Bitmap, DecodesBothDepthsTopRowFirst) {
  for (const std::uint16_t bits : {std::uint16_t{8}, std::uint16_t{24}}) {
    SCOPED_TRACE(bits);
    const panelhost::Bitmap bitmap = decode_bitmap(make_dib(bits).bytes, "fixture");
    EXPECT_EQ(bitmap.width, 3);
    EXPECT_EQ(bitmap.height, 2);
    EXPECT_EQ(bitmap.at(0, 1), 0x112233u);
    EXPECT_EQ(bitmap.at(2, 0), 0x010101u);
    EXPECT_EQ(bitmap.at(0, 0), 0x000000u);
  }
}

TEST(Bitmap, RefusesBadHeaders) {
  struct BadCase {
    const char* what;
    void (*spoil)(Dib&);
  };
  const BadCase cases[] = {
      {"size", [](Dib& d) { d.put<std::int32_t>(8, -2); }},
      {"size", [](Dib& d) { d.put<std::int32_t>(4, 0); }},
      {"bits per pixel", [](Dib& d) { d.put<std::uint16_t>(14, 4); }},
      {"compressed", [](Dib& d) { d.put<std::uint32_t>(16, 1); }},
      {"planes", [](Dib& d) { d.put<std::uint16_t>(12, 2); }},
      {"needed", [](Dib& d) { d.bytes.resize(d.bytes.size() - 1); }},
      {"shorter than", [](Dib& d) { d.bytes.resize(20); }},
      {"palette colours", [](Dib& d) { d.put<std::uint32_t>(32, 300); }},
      {"beyond the palette", [](Dib& d) {
         d.put<std::uint32_t>(32, 2);  // two colours, so pixels start right after them
         d.bytes[40 + 2 * 4] = 7;
       }},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.what);
    Dib dib = make_dib(8);
    c.spoil(dib);
    try {
      decode_bitmap(dib.bytes, "bitmap 0x1000 (4096)");
      ADD_FAILURE() << "accepted";
    } catch (const BitmapError& error) {
      EXPECT_NE(std::string(error.what()).find("bitmap 0x1000 (4096)"), std::string::npos);
      EXPECT_NE(std::string(error.what()).find(c.what), std::string::npos) << error.what();
    }
  }
}

}  // namespace
