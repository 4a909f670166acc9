#include "canvas.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace artgen {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a drawing surface");
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Rgb visible(Rgb colour) {
  if (colour.r < kDarkest.r && colour.g < kDarkest.g && colour.b < kDarkest.b) return kDarkest;
  return colour;
}

namespace {

std::uint8_t over(std::uint32_t premultiplied, std::uint32_t alpha, std::uint8_t matte) {
  // premultiplied + (1 - alpha) * matte, all in 0..255.
  const std::uint32_t value = premultiplied + ((255u - alpha) * matte + 127u) / 255u;
  return static_cast<std::uint8_t>(value > 255u ? 255u : value);
}

}  // namespace

Image Canvas::finish(Rgb matte) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  Image image(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      std::uint32_t argb = 0;  // native-endian premultiplied ARGB
      std::memcpy(&argb, data + y * stride + x * 4, sizeof argb);
      const std::uint32_t a = argb >> 24;
      if (a < 128) {
        image.at(x, y) = kTransparent;
        continue;
      }
      image.at(x, y) = visible(Rgb{over((argb >> 16) & 0xFFu, a, matte.r),
                                   over((argb >> 8) & 0xFFu, a, matte.g),
                                   over(argb & 0xFFu, a, matte.b)});
    }
  }
  return image;
}

}  // namespace artgen
