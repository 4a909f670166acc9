#include "bitmap.h"

#include <cstring>
#include <fmt/format.h>

namespace panelhost {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;

template <typename T>
T read(std::span<const unsigned char> bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

struct Layout {
  BitmapSize size;
  std::size_t palette_offset;
  std::size_t palette_entries;
  std::size_t pixel_offset;
  std::size_t row_bytes;
};

Layout check_layout(std::span<const unsigned char> bytes, const std::string& what) {
  const auto bad = [&](const std::string& problem) { return BitmapError(what + ": bad header: " + problem); };
  if (bytes.size() < kInfoHeaderSize) throw bad("shorter than an info header");
  const auto header_size = read<std::uint32_t>(bytes, 0);
  if (header_size < kInfoHeaderSize || header_size > bytes.size()) throw bad("info header size " + std::to_string(header_size));
  const auto width = read<std::int32_t>(bytes, 4);
  const auto height = read<std::int32_t>(bytes, 8);
  const auto planes = read<std::uint16_t>(bytes, 12);
  const auto bits = read<std::uint16_t>(bytes, 14);
  const auto compression = read<std::uint32_t>(bytes, 16);
  const auto colours_used = read<std::uint32_t>(bytes, 32);
  if (width <= 0 || width > 16384 || height <= 0 || height > 16384)
    throw bad("size " + std::to_string(width) + "x" + std::to_string(height) + " (rows must run bottom-up)");
  if (planes != 1) throw bad(std::to_string(planes) + " planes");
  if (bits != 8 && bits != 24) throw bad(std::to_string(bits) + " bits per pixel (8 or 24 expected)");
  if (compression != 0) throw bad("compressed (type " + std::to_string(compression) + ")");
  Layout layout{};
  layout.size = {width, height, bits};
  layout.palette_offset = header_size;
  layout.palette_entries = bits == 8 ? (colours_used == 0 ? 256 : colours_used) : 0;
  if (layout.palette_entries > 256) throw bad(std::to_string(colours_used) + " palette colours");
  layout.pixel_offset = layout.palette_offset + 4 * layout.palette_entries;
  layout.row_bytes = (static_cast<std::size_t>(width) * bits / 8 + 3) / 4 * 4;
  const std::size_t needed = layout.pixel_offset + layout.row_bytes * static_cast<std::size_t>(height);
  if (bytes.size() < needed)
    throw bad("pixel data is " + std::to_string(bytes.size()) + " bytes, " + std::to_string(needed) + " needed");
  return layout;
}

}  // namespace

std::string bitmap_name(std::uint32_t id) { return fmt::format("bitmap {:#x} ({})", id, id); }

BitmapSize bitmap_size(std::span<const unsigned char> bytes, const std::string& what) {
  return check_layout(bytes, what).size;
}

Bitmap decode_bitmap(std::span<const unsigned char> bytes, const std::string& what) {
  const Layout layout = check_layout(bytes, what);
  Bitmap bitmap;
  bitmap.width = layout.size.width;
  bitmap.height = layout.size.height;
  bitmap.bits = layout.size.bits;
  const auto width = static_cast<std::size_t>(bitmap.width);
  const auto height = static_cast<std::size_t>(bitmap.height);
  bitmap.pixels.resize(width * height);
  for (std::size_t y = 0; y < height; ++y) {
    const unsigned char* row = bytes.data() + layout.pixel_offset + (height - 1 - y) * layout.row_bytes;
    std::uint32_t* out = bitmap.pixels.data() + y * width;
    for (std::size_t x = 0; x < width; ++x) {
      if (layout.size.bits == 24) {
        const unsigned char* bgr = row + 3 * x;
        out[x] = static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 | bgr[0];
      } else {
        const std::size_t index = row[x];
        if (index >= layout.palette_entries)
          throw BitmapError(what + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") uses colour " + std::to_string(index) + " beyond the palette");
        const unsigned char* bgrx = bytes.data() + layout.palette_offset + 4 * index;
        out[x] = static_cast<std::uint32_t>(bgrx[2]) << 16 | static_cast<std::uint32_t>(bgrx[1]) << 8 | bgrx[0];
      }
    }
  }
  return bitmap;
}

}  // namespace panelhost
