// A module's bitmap resource decoded into pixels: the device-independent
// bitmap a Windows bitmap resource holds (an info header, for 8-bit pictures
// a palette, then bottom-up rows padded to four bytes).
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace panelhost {

class BitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Bitmap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bits = 0;  // 8 or 24
  // Pixels top row first, each 0x00RRGGBB.
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// Decodes an uncompressed 8-bit or 24-bit bitmap; throws BitmapError saying
// what is wrong with it. `what` names the bitmap in the message.
Bitmap decode_bitmap(std::span<const unsigned char> bytes, const std::string& what);

// Only the size, from the info header, checked the same way.
struct BitmapSize {
  std::int32_t width;
  std::int32_t height;
  std::uint16_t bits;
};
BitmapSize bitmap_size(std::span<const unsigned char> bytes, const std::string& what);

std::string bitmap_name(std::uint32_t id);  // "bitmap 0x1000 (4096)"

}  // namespace panelhost
