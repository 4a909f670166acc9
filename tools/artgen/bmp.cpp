#include "bmp.h"

#include <fstream>
#include <stdexcept>

#include "palette.h"

namespace artgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

class Writer {
 public:
  void u8(std::uint8_t v) { bytes.push_back(v); }
  void u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v & 0xFFu));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v & 0xFFFFu));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  std::vector<std::uint8_t> bytes;
};

}  // namespace

std::vector<std::uint8_t> encode_bmp(const Image& image, int bits) {
  if (bits != 8 && bits != 24) throw std::invalid_argument("a bitmap is 8 or 24 bits deep");
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t row_bytes = (width * static_cast<std::uint32_t>(bits) / 8u + 3u) & ~3u;
  const std::uint32_t palette_bytes = bits == 8 ? 256u * 4u : 0u;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette_bytes;
  const std::uint32_t pixel_bytes = row_bytes * height;

  Writer w;
  w.bytes.reserve(offset + pixel_bytes);
  // BITMAPFILEHEADER
  w.u8('B');
  w.u8('M');
  w.u32(offset + pixel_bytes);
  w.u16(0);
  w.u16(0);
  w.u32(offset);
  // BITMAPINFOHEADER
  w.u32(kInfoHeaderSize);
  w.i32(image.width());
  w.i32(image.height());  // positive: bottom-up rows
  w.u16(1);
  w.u16(static_cast<std::uint16_t>(bits));
  w.u32(0);  // BI_RGB, uncompressed
  w.u32(pixel_bytes);
  w.i32(kPixelsPerMetre);
  w.i32(kPixelsPerMetre);
  w.u32(bits == 8 ? 256u : 0u);
  w.u32(0);

  if (bits == 8) {
    const Indexed indexed = quantise(image);
    for (const Rgb& c : indexed.palette) {
      w.u8(c.b);
      w.u8(c.g);
      w.u8(c.r);
      w.u8(0);
    }
    for (std::uint32_t row = height; row-- > 0;) {
      for (std::uint32_t x = 0; x < width; ++x) w.u8(indexed.indices[row * width + x]);
      for (std::uint32_t pad = width; pad < row_bytes; ++pad) w.u8(0);
    }
  } else {
    for (int y = image.height(); y-- > 0;) {
      for (int x = 0; x < image.width(); ++x) {
        const Rgb& c = image.at(x, y);
        w.u8(c.b);
        w.u8(c.g);
        w.u8(c.r);
      }
      for (std::uint32_t pad = width * 3u; pad < row_bytes; ++pad) w.u8(0);
    }
  }
  return std::move(w.bytes);
}

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace artgen
