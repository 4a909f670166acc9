#include "bmp_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace art_checks {

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  if (at + 4 > b.size()) throw std::runtime_error("truncated header");
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("truncated header");
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<std::uint8_t> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

BmpFile parse_bmp(const std::vector<std::uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw std::runtime_error("not a BMP file");
  BmpFile f;
  f.actual_size = b.size();
  f.file_size_field = u32(b, 2);
  f.pixel_offset = u32(b, 10);
  f.info_size = u32(b, 14);
  f.width = static_cast<std::int32_t>(u32(b, 18));
  f.height = static_cast<std::int32_t>(u32(b, 22));
  f.planes = u16(b, 26);
  f.bits = u16(b, 28);
  f.compression = u32(b, 30);
  f.colours_used = u32(b, 46);
  if (f.width <= 0 || f.height <= 0) throw std::runtime_error("not a bottom-up bitmap");
  if (f.bits != 8 && f.bits != 24) throw std::runtime_error("unexpected depth");
  if (f.bits == 8) {
    const std::size_t entries = f.colours_used == 0 ? 256 : f.colours_used;
    for (std::size_t i = 0; i < entries; ++i) {
      const std::size_t at = 14 + f.info_size + 4 * i;
      if (at + 4 > b.size()) throw std::runtime_error("truncated palette");
      f.palette.push_back(artgen::Rgb{b[at + 2], b[at + 1], b[at]});
    }
  }
  const auto w = static_cast<std::size_t>(f.width);
  const auto h = static_cast<std::size_t>(f.height);
  const std::size_t stride = (w * f.bits / 8 + 3) & ~std::size_t{3};
  if (f.pixel_offset + stride * h > b.size()) throw std::runtime_error("truncated pixels");
  f.image = artgen::Image(f.width, f.height);
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t row = f.pixel_offset + (h - 1 - y) * stride;
    for (std::size_t x = 0; x < w; ++x) {
      artgen::Rgb c;
      if (f.bits == 8) {
        const std::uint8_t index = b[row + x];
        if (index >= f.palette.size()) throw std::runtime_error("index beyond the palette");
        c = f.palette[index];
      } else {
        c = artgen::Rgb{b[row + 3 * x + 2], b[row + 3 * x + 1], b[row + 3 * x]};
      }
      f.image.at(static_cast<int>(x), static_cast<int>(y)) = c;
    }
  }
  return f;
}

BmpFile read_bmp(const std::string& path) { return parse_bmp(read_bytes(path)); }

}  // namespace art_checks
