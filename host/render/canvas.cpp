#include "canvas.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstring>

namespace panelhost::render {

Image::Image(std::int32_t width, std::int32_t height, cairo_format_t format)
    : width_(width), height_(height), format_(format) {
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767)
    throw RenderError(fmt::format("a picture of {}x{} pixels cannot be made", width, height));
  surface_.reset(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
    throw RenderError(fmt::format("a picture of {}x{} pixels: {}", width, height,
                                  cairo_status_to_string(cairo_surface_status(surface_.get()))));
}

std::uint32_t Image::pixel(std::int32_t x, std::int32_t y) const {
  const unsigned char* row = data() + static_cast<std::ptrdiff_t>(y) * stride();
  if (format_ == CAIRO_FORMAT_A8) return row[x];
  std::uint32_t value;
  std::memcpy(&value, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof value);
  return format_ == CAIRO_FORMAT_RGB24 ? (value | 0xFF000000u) : value;
}

Image::Box Image::drawn_box() const {
  if (format_ != CAIRO_FORMAT_ARGB32) return {0, 0, width_, height_};
  flush();
  std::int32_t left = width_, top = height_, right = -1, bottom = -1;
  for (std::int32_t y = 0; y < height_; ++y) {
    for (std::int32_t x = 0; x < width_; ++x) {
      if ((pixel(x, y) >> 24) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

pixman_image_t* Image::pixels() const {
  if (!pixels_) {
    const pixman_format_code_t format = format_ == CAIRO_FORMAT_A8      ? PIXMAN_a8
                                        : format_ == CAIRO_FORMAT_RGB24 ? PIXMAN_x8r8g8b8
                                                                        : PIXMAN_a8r8g8b8;
    pixels_.reset(pixman_image_create_bits(format, width_, height_, reinterpret_cast<std::uint32_t*>(data()), stride()));
    if (!pixels_) throw RenderError(fmt::format("a pixman view of a {}x{} picture", width_, height_));
  }
  return pixels_.get();
}

void blit(const Image& source, Image::Box box, const Image& target, std::int32_t x, std::int32_t y, Image::Box clip,
          pixman_op_t op) {
  // The destination rectangle, cut to the clip and the target.
  std::int32_t left = std::max({x, clip.x, 0});
  std::int32_t top = std::max({y, clip.y, 0});
  const std::int32_t right = std::min({x + box.width, clip.x + clip.width, target.width()});
  const std::int32_t bottom = std::min({y + box.height, clip.y + clip.height, target.height()});
  if (right <= left || bottom <= top) return;
  pixman_image_composite32(op, source.pixels(), nullptr, target.pixels(), box.x + (left - x), box.y + (top - y), 0, 0,
                           left, top, right - left, bottom - top);
}

ContextPtr Image::context() const {
  ContextPtr context(cairo_create(surface()));
  check(context.get(), "drawing context");
  return context;
}

namespace {

template <typename PixelFn>
Image convert(const Bitmap& bitmap, cairo_format_t format, PixelFn pixel_of) {
  Image image(bitmap.width, bitmap.height, format);
  image.flush();
  unsigned char* data = image.data();
  const auto stride = static_cast<std::size_t>(image.stride());
  for (std::int32_t y = 0; y < bitmap.height; ++y) {
    unsigned char* row = data + static_cast<std::size_t>(y) * stride;
    for (std::int32_t x = 0; x < bitmap.width; ++x) pixel_of(row, x, bitmap.at(x, y));
  }
  image.mark_dirty();
  return image;
}

}  // namespace

Image image_from_bitmap(const Bitmap& bitmap, bool black_transparent) {
  return convert(bitmap, CAIRO_FORMAT_ARGB32, [&](unsigned char* row, std::int32_t x, std::uint32_t rgb) {
    const std::uint32_t value = (black_transparent && (rgb & 0xFFFFFFu) == 0) ? 0u : (0xFF000000u | rgb);
    std::memcpy(row + static_cast<std::size_t>(x) * 4, &value, sizeof value);
  });
}

Image mask_from_bitmap(const Bitmap& bitmap) {
  return convert(bitmap, CAIRO_FORMAT_A8, [](unsigned char* row, std::int32_t x, std::uint32_t rgb) {
    row[x] = (rgb & 0xFFFFFFu) == 0 ? 0 : 0xFF;
  });
}

void fill(const Image& image, std::uint32_t argb) {
  const ContextPtr context = image.context();
  cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
  const auto channel = [&](int shift) { return static_cast<double>((argb >> shift) & 0xFFu) / 255.0; };
  const double alpha = channel(24);
  // The colour is given premultiplied; cairo takes it straight.
  if (alpha == 0.0) {
    cairo_set_source_rgba(context.get(), 0, 0, 0, 0);
  } else {
    cairo_set_source_rgba(context.get(), channel(16) / alpha, channel(8) / alpha, channel(0) / alpha, alpha);
  }
  cairo_paint(context.get());
  check(context.get(), "fill");
}

void check(cairo_t* context, const std::string& what) {
  const cairo_status_t status = cairo_status(context);
  if (status != CAIRO_STATUS_SUCCESS) throw RenderError(fmt::format("{}: {}", what, cairo_status_to_string(status)));
}

}  // namespace panelhost::render
