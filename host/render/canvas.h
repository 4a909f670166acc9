// Pictures in memory, as cairo image surfaces, and the conversions from a
// module's bitmaps.
//
// Every picture the host draws with is a cairo image surface in one of two
// formats: ARGB32 (premultiplied, as cairo keeps it) for art and frames, A8
// for the windows that moving images and sprites show their strips through.
// Pixel values in tests read back as 0xAARRGGBB.
#pragma once

#include <cairo.h>
#include <pixman.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "bitmap.h"

namespace panelhost::render {

class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct PixmanRelease {
  void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;

// An owned image surface.
class Image {
 public:
  Image() = default;
  // A cleared (fully transparent) picture.
  Image(std::int32_t width, std::int32_t height, cairo_format_t format = CAIRO_FORMAT_ARGB32);

  cairo_surface_t* surface() const { return surface_.get(); }
  explicit operator bool() const { return surface_ != nullptr; }
  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  cairo_format_t format() const { return format_; }

  // Raw access for tests and encoders; call flush() before reading what
  // cairo drew and mark_dirty() after writing.
  unsigned char* data() const { return cairo_image_surface_get_data(surface()); }
  std::int32_t stride() const { return cairo_image_surface_get_stride(surface()); }
  std::uint32_t pixel(std::int32_t x, std::int32_t y) const;  // ARGB32: 0xAARRGGBB; A8: the alpha
  void flush() const { cairo_surface_flush(surface()); }
  void mark_dirty() const { cairo_surface_mark_dirty(surface()); }

  // A context drawing on this picture.
  ContextPtr context() const;

  // The smallest rectangle outside which the picture is fully transparent
  // (ARGB32), as x, y, width, height; width 0 for a fully transparent
  // picture. Drawing only this rectangle spares compositing the clear rest.
  struct Box {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
  };
  Box drawn_box() const;

  // The same pixels as a pixman image, for plain copies and composites at
  // whole-pixel offsets, which pixman does without cairo's per-call work.
  // Call flush() before and mark_dirty() after writing through it.
  pixman_image_t* pixels() const;

 private:
  std::unique_ptr<cairo_surface_t, SurfaceRelease> surface_;
  mutable std::unique_ptr<pixman_image_t, PixmanRelease> pixels_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  cairo_format_t format_ = CAIRO_FORMAT_ARGB32;
};

// A bitmap as an opaque picture, or with pure black (0,0,0) pixels made
// fully transparent (image flag bit 0).
Image image_from_bitmap(const Bitmap& bitmap, bool black_transparent);

// A window bitmap as a mask: opaque where the pixel is not pure black.
Image mask_from_bitmap(const Bitmap& bitmap);

// Every pixel of `image` set to one colour, 0xAARRGGBB (premultiplied).
void fill(const Image& image, std::uint32_t argb);

// Composites the part `box` of `source` with its top-left corner at (x, y)
// of `target`, within `clip` (a box of the target), with pixman's SRC or
// OVER operator.
void blit(const Image& source, Image::Box box, const Image& target, std::int32_t x, std::int32_t y, Image::Box clip,
          pixman_op_t op);

// Throws RenderError with the cairo status if a context has failed.
void check(cairo_t* context, const std::string& what);

}  // namespace panelhost::render
