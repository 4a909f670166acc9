#include "contact_sheet.h"

#include <algorithm>
#include <stdexcept>

#include "canvas.h"
#include "fonts.h"

namespace artgen {

namespace {

constexpr int kMargin = 10;
constexpr int kLabelHeight = 14;
constexpr int kSheetWidth = 1500;

struct Placed {
  Drawn drawn;
  int x;
  int y;
};

std::string label(const Bitmap& b) {
  return b.module == Module::velmar_tavrin ? id_text(b) : "q " + id_text(b);
}

}  // namespace

void write_contact_sheet(const std::vector<Drawn>& pictures, const std::string& path, int scale) {
  const int sheet_width = std::max(kSheetWidth, 592 * scale + 2 * kMargin);
  std::vector<Placed> placed;
  int x = kMargin;
  int y = kMargin;
  int row_height = 0;
  for (const Drawn& d : pictures) {
    const int w = std::max(d.image->width() * scale, 48);
    const int h = d.image->height() * scale + kLabelHeight;
    if (x + w + kMargin > sheet_width) {
      x = kMargin;
      y += row_height + kMargin;
      row_height = 0;
    }
    placed.push_back({d, x, y});
    x += w + kMargin;
    row_height = std::max(row_height, h);
  }
  const int sheet_height = y + row_height + kMargin;

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheet_width, sheet_height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_paint(cr);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (const Placed& p : placed) {
    const Image& image = *p.drawn.image;
    for (int iy = 0; iy < image.height() * scale; ++iy) {
      for (int ix = 0; ix < image.width() * scale; ++ix) {
        const Rgb c = image.at(ix / scale, iy / scale);
        if (c == kTransparent) continue;
        unsigned char* px = data + (p.y + iy) * stride + (p.x + ix) * 4;
        px[0] = c.b;
        px[1] = c.g;
        px[2] = c.r;
      }
    }
  }
  cairo_surface_mark_dirty(surface);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.1);
  for (const Placed& p : placed) {
    const std::string text = label(*p.drawn.bitmap);
    set_font(cr, Font::sans, 11);
    cairo_move_to(cr, p.x, p.y + p.drawn.image->height() * scale + kLabelHeight - 3);
    cairo_show_text(cr, text.c_str());
  }
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
}

}  // namespace artgen
