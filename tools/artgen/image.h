// Pixel pictures as the modules carry them: 8-bit RGB, top row first.
// Pure black (0,0,0) is the host's transparent colour; (1,1,1) marks where a
// window bitmap lets its strip or sprite show through.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kTransparent{0, 0, 0};
inline constexpr Rgb kWindow{1, 1, 1};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kTransparent)
      : width_(width), height_(height),
        pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb& at(int x, int y) { return pixels_[index(x, y)]; }
  const Rgb& at(int x, int y) const { return pixels_[index(x, y)]; }
  const std::vector<Rgb>& pixels() const { return pixels_; }

  // Fills the rectangle of columns x0..x1 and rows y0..y1, both inclusive.
  void fill_rect(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (contains(x, y)) at(x, y) = colour;
  }

  friend bool operator==(const Image&, const Image&) = default;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace artgen
