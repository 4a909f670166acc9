#include "parts.h"

#include <algorithm>

#include "canvas.h"

namespace artgen {

void needle_blade(cairo_t* cr, double x0, double x_tip, int axis_row, double half_width, double taper,
                  Colour colour) {
  const double axis = axis_row + 0.5;
  cairo_new_path(cr);
  blade_path(cr, x0, x_tip - taper, x_tip, axis, half_width, half_width);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, axis - half_width, 0, axis + half_width);
  const Colour lit = mix(colour, Colour{1, 1, 1}, 0.35);
  const Colour shade = mix(colour, ink::shadow, 0.25);
  cairo_pattern_add_color_stop_rgb(p, 0.0, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, colour.r, colour.g, colour.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, shade.r, shade.g, shade.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

namespace {

Image lamp_picture(int w, int h, Colour tint, bool lit) {
  Canvas canvas(w, h);
  const Point c{w / 2.0, h / 2.0};
  lamp(canvas.cr(), c, std::min(w, h) / 2.0 - 0.5, tint, lit);
  return canvas.finish(ink_rgb(ink::panel));
}

Image toggle_picture(int w, int h, bool up) {
  Canvas canvas(w, h);
  panel_toggle(canvas.cr(), Point{w / 2.0, h / 2.0}, up);
  return canvas.finish(ink_rgb(ink::panel));
}

}  // namespace

Image lamp_unlit(int w, int h) { return lamp_picture(w, h, lens::smoke, false); }
Image lamp_lit_red(int w, int h) { return lamp_picture(w, h, lens::red, true); }
Image lamp_lit_green(int w, int h) { return lamp_picture(w, h, lens::green, true); }

Image toggle_down(int w, int h) { return toggle_picture(w, h, false); }
Image toggle_up(int w, int h) { return toggle_picture(w, h, true); }

void panel_toggle(cairo_t* cr, Point c, bool up) { toggle_switch(cr, c, 1.2, up); }

void push_button(cairo_t* cr, Point c, double r, Colour cap) {
  // Knurled collar: a chrome ring with fine dark notches round its edge.
  shaded_disc(cr, c, r, Colour{0.86, 0.86, 0.85}, Colour{0.50, 0.50, 0.51}, Colour{0.20, 0.20, 0.21});
  for (int i = 0; i < 36; ++i) tick(cr, c, i * 10.0, r - 2.2, r - 0.3, 0.8, Colour{0.28, 0.28, 0.29});
  // The cap: domed, lit from the upper left.
  const double cap_r = r * 0.74;
  disc(cr, c, cap_r + 1.0, Colour{0.10, 0.10, 0.11});
  cairo_pattern_t* p = cairo_pattern_create_radial(c.x - cap_r * 0.35, c.y - cap_r * 0.4, cap_r * 0.1, c.x, c.y, cap_r);
  const Colour top = mix(cap, Colour{1, 1, 1}, 0.45);
  const Colour edge = mix(cap, ink::shadow, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0.0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, cap.r, cap.g, cap.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, edge.r, edge.g, edge.b);
  fill_disc(cr, c, cap_r, p);
  disc(cr, Point{c.x - cap_r * 0.38, c.y - cap_r * 0.42}, cap_r * 0.18, mix(cap, Colour{1, 1, 1}, 0.8));
}

void knob_grip(cairo_t* cr, Point shaft, double degrees, const KnobGrip& g) {
  cairo_save(cr);
  cairo_translate(cr, shaft.x, shaft.y);
  cairo_rotate(cr, radians(degrees));
  cairo_new_path(cr);
  cairo_move_to(cr, g.heel, -g.heel_half);
  cairo_line_to(cr, g.shoulder, -g.shoulder_half);
  cairo_line_to(cr, g.tip, -g.tip_half);
  cairo_line_to(cr, g.tip, g.tip_half);
  cairo_line_to(cr, g.shoulder, g.shoulder_half);
  cairo_line_to(cr, g.heel, g.heel_half);
  cairo_arc(cr, g.heel, 0.0, g.heel_half, kPi / 2, 3 * kPi / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(shaft.x - g.shade_reach, shaft.y - g.shade_reach,
                                                   shaft.x + g.shade_reach, shaft.y + g.shade_reach);
  cairo_pattern_add_color_stop_rgb(p, 0.0, g.light.r, g.light.g, g.light.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, g.dark.r, g.dark.g, g.dark.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  set_colour(cr, g.outline);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  const Point a = polar(shaft, g.line_from, degrees);
  const Point b = polar(shaft, g.line_to, degrees);
  cairo_new_path(cr);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  set_colour(cr, ink::white);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
}

}  // namespace artgen
