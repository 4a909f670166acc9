// "Ejection Seat Handle": a yellow oval plate with a red rim and EJECT in
// red across its middle, where the click area lies.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// The click area, x 77..176 and y 11..28: the legend sits inside it.
constexpr Point kLegendCentre{127.0, 20.0};

Image handle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  auto oval = [&](double inset) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, w / 2.0 - inset, h / 2.0 - inset);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * kPi);
    cairo_restore(cr);
  };
  oval(0.5);
  set_colour(cr, Colour{0.62, 0.08, 0.06});
  cairo_fill(cr);
  oval(2.0);
  set_colour(cr, ink::red);
  cairo_fill(cr);
  // The yellow plate, shaded as a moulded grip: bright along the top.
  oval(4.5);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 4.0, 0, h - 4.0);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 1.00, 0.93, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 0.96, 0.80, 0.14);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.78, 0.58, 0.06);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Finger grooves at either end, outside the click area.
  for (int i = 0; i < 5; ++i) {
    for (const double x : {28.0 + 7.0 * i, w - 28.0 - 7.0 * i}) {
      cairo_new_path(cr);
      cairo_move_to(cr, x, 11.0);
      cairo_line_to(cr, x, h - 11.0);
      set_colour(cr, Colour{0.70, 0.52, 0.05});
      cairo_set_line_width(cr, 2.0);
      cairo_stroke(cr);
    }
  }
  text(cr, "EJECT", Font::sans_bold, 17.0, kLegendCentre, Colour{0.80, 0.06, 0.04});
  return canvas.finish(Rgb{30, 30, 30});
}

}  // namespace

void add_ejection_handle(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role               w    h   bits painter
  out.bitmaps.push_back({vt, 0x6900, "ejection_handle",  256, 41, 8, handle});
}

}  // namespace artgen
