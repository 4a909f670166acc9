// "Icon Left Console", "Icon Right Console" and "Icon Engine Console": small
// grey push buttons lettered L, R and E, filling their 19x19 bitmaps.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// A square grey key, lit from the upper left, with a dark letter.
Image button(int w, int h, const char* letter) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  set_colour(cr, Colour{0.30, 0.30, 0.31});
  cairo_paint(cr);
  // Raised edges: light along the top and left, dark along the bottom and right.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, 0);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w - 2.0, 2.0);
  cairo_line_to(cr, 2.0, 2.0);
  cairo_line_to(cr, 2.0, h - 2.0);
  cairo_close_path(cr);
  set_colour(cr, Colour{0.90, 0.90, 0.89});
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(2.0, 2.0, w - 2.0, h - 2.0);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.78, 0.78, 0.77);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.60, 0.60, 0.60);
  cairo_new_path(cr);
  cairo_rectangle(cr, 2.0, 2.0, w - 4.0, h - 4.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  text(cr, letter, Font::sans_bold, 12.0, Point{w / 2.0, h / 2.0}, Colour{0.08, 0.08, 0.09});
  return canvas.finish(Rgb{150, 150, 150});
}

Image left(int w, int h) { return button(w, h, "L"); }
Image right(int w, int h) { return button(w, h, "R"); }
Image engine(int w, int h) { return button(w, h, "E"); }

}  // namespace

void add_console_icons(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role              w   h   bits painter
  out.bitmaps.push_back({vt, 0x5400, "console_left",    19, 19, 24, left});
  out.bitmaps.push_back({vt, 0x5500, "console_right",   19, 19, 24, right});
  out.bitmaps.push_back({vt, 0x5600, "console_engine",  19, 19, 24, engine});
}

}  // namespace artgen
