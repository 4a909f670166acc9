// "Ammo Counter": five columns of seven little windows under lamp glasses,
// behind which red bars rise on three sliding strips (the outer pair of
// columns, the inner pair, the centre column) over a uniform very dark
// ground. The strips' bars and the overlay's windows are laid out to the
// pixel from the tables below; the windows of the strips are all (1,1,1).
#include <algorithm>
#include <cstdint>

#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Layout ----------------------------------------------------------------------

constexpr Rgb kGround{8, 8, 8};

struct Span {
  int x0;  // first column, inclusive
  int x1;  // last column, inclusive
};

// The overlay's windows, gauge columns, left to right.
constexpr Span kWindowColumns[] = {{6, 19}, {32, 45}, {57, 71}, {83, 96}, {108, 122}};

// Seven windows per column from row 23 to row 124: 12 rows each, 3 between.
constexpr int kFirstWindowRow = 23;
constexpr int kWindowRows = 12;
constexpr int kWindowPitch = 15;
constexpr int kWindowsPerColumn = 7;

// The strips' bars, strip columns; the first row of red.
struct StripBars {
  int top;
  Span bars[2];
  int count;
};

//                              top  bars                    count
constexpr StripBars kOuter{107, {{0, 16}, {103, 119}},   2};
constexpr StripBars kInner{107, {{0, 17}, {52, 68}},     2};
constexpr StripBars kCentre{108, {{0, 16}, {0, 0}},      1};

// --- Pictures --------------------------------------------------------------------

Image background(int w, int h) { return Image(w, h, kGround); }

Image window(int w, int h) { return Image(w, h, kWindow); }

// Red bars from their top row to the bottom, lit from the left, with the top
// corners bevelled; everything else transparent.
Image strip(int w, int h, const StripBars& s) {
  constexpr int kBevel = 3;
  Image image(w, h);
  for (int b = 0; b < s.count; ++b) {
    const Span bar = s.bars[b];
    const double width = bar.x1 - bar.x0;
    for (int y = s.top; y < h; ++y) {
      const int inset = std::max(0, kBevel - (y - s.top));
      for (int x = bar.x0 + inset; x <= bar.x1 - inset; ++x) {
        const double t = (x - bar.x0) / width;  // 0 at the left edge, 1 at the right
        // A rounded bar: a highlight a third of the way across, dark at the right.
        const double light = 1.0 - 1.6 * (t - 0.3) * (t - 0.3) - (t > 0.85 ? 0.25 : 0.0);
        const bool facet = y - s.top < kBevel + 2;
        const double boost = facet ? 0.25 : 0.0;
        auto channel = [](double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0)); };
        image.at(x, y) = Rgb{channel((150.0 + 100.0 * light) * (1.0 + boost)),
                             channel((18.0 + 40.0 * light * light) * (1.0 + 2.0 * boost)),
                             channel((14.0 + 30.0 * light * light) * (1.0 + 2.0 * boost))};
      }
    }
  }
  return image;
}

Image outer_strip(int w, int h) { return strip(w, h, kOuter); }
Image inner_strip(int w, int h) { return strip(w, h, kInner); }
Image centre_strip(int w, int h) { return strip(w, h, kCentre); }

// The panel: a frame for each column with a lamp glass above it; then the
// windows are cut out to the pixel.
Image overlay(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  set_colour(cr, ink::panel);
  cairo_paint(cr);
  case_plate(cr, 0, 0, w, h, 0.0);
  for (const Span& col : kWindowColumns) {
    const double cx = (col.x0 + col.x1 + 1) / 2.0;
    cairo_new_path(cr);
    rounded_rect_path(cr, col.x0 - 3.5, 19.5, col.x1 - col.x0 + 8.0, 108.0, 3.0);
    set_colour(cr, ink::metal_dark);
    cairo_fill_preserve(cr);
    set_colour(cr, mix(ink::metal_light, ink::metal_dark, 0.5));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    lamp(cr, Point{cx, 10.0}, 7.5, Colour{0.95, 0.45, 0.10}, false);
  }
  Image image = canvas.finish(ink_rgb(ink::panel));
  const Rgb rim{20, 20, 22};
  for (const Span& col : kWindowColumns) {
    for (int k = 0; k < kWindowsPerColumn; ++k) {
      const int y0 = kFirstWindowRow + k * kWindowPitch;
      image.fill_rect(col.x0 - 1, y0 - 1, col.x1 + 1, y0 + kWindowRows, rim);
      image.fill_rect(col.x0, y0, col.x1, y0 + kWindowRows - 1, kTransparent);
    }
  }
  return image;
}

}  // namespace

void add_ammo_counter(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                    w    h    bits painter
  out.bitmaps.push_back({vt, 0x3E00, "ammo_background",      128, 128, 8, background});
  out.bitmaps.push_back({vt, 0x3F00, "ammo_outer_strip",     120, 210, 8, outer_strip});
  out.bitmaps.push_back({vt, 0x3F01, "ammo_outer_window",    120, 102, 8, window});
  out.bitmaps.push_back({vt, 0x4000, "ammo_inner_strip",     69,  210, 8, inner_strip});
  out.bitmaps.push_back({vt, 0x4001, "ammo_inner_window",    69,  102, 8, window});
  out.bitmaps.push_back({vt, 0x4100, "ammo_centre_strip",    17,  210, 8, centre_strip});
  out.bitmaps.push_back({vt, 0x4101, "ammo_centre_window",   17,  102, 8, window});
  out.bitmaps.push_back({vt, 0x4200, "ammo_overlay",         128, 128, 8, overlay});
}

}  // namespace artgen
