#include "draw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

Point polar(Point centre, double radius, double degrees) {
  const double a = radians(degrees);
  return Point{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

void set_colour(cairo_t* cr, Colour c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Rgb ink_rgb(Colour c) {
  auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
  };
  return Rgb{channel(c.r), channel(c.g), channel(c.b)};
}

Colour mix(Colour a, Colour b, double t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace {

void add_stop(cairo_pattern_t* p, double offset, Colour c, double alpha = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// A gradient along the diagonal of the square round a disc, from its upper
// left to its lower right.
cairo_pattern_t* diagonal(Point c, double r) {
  return cairo_pattern_create_linear(c.x - r, c.y - r, c.x + r, c.y + r);
}

}  // namespace

void disc(cairo_t* cr, Point c, double r, Colour colour) {
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void fill_disc(cairo_t* cr, Point c, double r, cairo_pattern_t* pattern, bool keep_outline) {
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  cairo_set_source(cr, pattern);
  if (keep_outline)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void shaded_disc(cairo_t* cr, Point c, double r, Colour light, Colour dark) {
  cairo_pattern_t* p = diagonal(c, r);
  add_stop(p, 0.0, light);
  add_stop(p, 1.0, dark);
  fill_disc(cr, c, r, p);
}

void shaded_disc(cairo_t* cr, Point c, double r, Colour light, Colour mid, Colour dark) {
  cairo_pattern_t* p = diagonal(c, r);
  add_stop(p, 0.0, light);
  add_stop(p, 0.5, mid);
  add_stop(p, 1.0, dark);
  fill_disc(cr, c, r, p);
}

void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
  cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void face(cairo_t* cr, Point c, double r, Colour colour) {
  cairo_pattern_t* p = cairo_pattern_create_radial(c.x - r * 0.35, c.y - r * 0.45, r * 0.1, c.x, c.y, r);
  add_stop(p, 0.0, mix(colour, Colour{1, 1, 1}, 0.06));
  add_stop(p, 1.0, colour);
  fill_disc(cr, c, r, p);
}

void bezel(cairo_t* cr, Point c, double r_outer, double r_inner) {
  // Turned metal: light at the upper left, dark at the lower right.
  cairo_pattern_t* p = diagonal(c, r_outer);
  add_stop(p, 0.0, ink::metal_light);
  add_stop(p, 0.5, mix(ink::metal_light, ink::metal_dark, 0.55));
  add_stop(p, 1.0, ink::metal_dark);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r_outer, 0, 2 * kPi);
  cairo_arc_negative(cr, c.x, c.y, r_inner, 2 * kPi, 0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // The lip: lit the other way round, so the ring reads as raised.
  const double lip = std::max(1.0, (r_outer - r_inner) * 0.3);
  p = diagonal(c, r_outer);
  add_stop(p, 0.0, mix(ink::metal_dark, ink::shadow, 0.5));
  add_stop(p, 1.0, mix(ink::metal_light, ink::metal_dark, 0.3));
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r_inner + lip, 0, 2 * kPi);
  cairo_arc_negative(cr, c.x, c.y, r_inner, 2 * kPi, 0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // A fine outer edge.
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r_outer - 0.5, 0, 2 * kPi);
  set_colour(cr, mix(ink::metal_dark, ink::shadow, 0.6));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void case_plate(cairo_t* cr, double x, double y, double w, double h, double corner, Colour colour) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
  add_stop(p, 0.0, mix(colour, Colour{1, 1, 1}, 0.12));
  add_stop(p, 1.0, mix(colour, ink::shadow, 0.35));
  cairo_new_path(cr);
  rounded_rect_path(cr, x, y, w, h, corner);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_new_path(cr);
  rounded_rect_path(cr, x + 0.5, y + 0.5, w - 1, h - 1, std::max(0.5, corner - 0.5));
  set_colour(cr, mix(colour, Colour{1, 1, 1}, 0.25));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void screwed_plate(cairo_t* cr, int w, int h, double corner, double inset, double screw_r) {
  case_plate(cr, 0, 0, w, h, corner);
  for (const Point s : {Point{inset, inset}, Point{w - inset, inset}, Point{inset, h - inset},
                        Point{w - inset, h - inset}})
    screw(cr, s, screw_r);
}

void bezelled_face(cairo_t* cr, Point c, double r_outer, double r_face, Colour colour) {
  bezel(cr, c, r_outer, r_face);
  face(cr, c, r_face, colour);
}

void glazed_bezel(cairo_t* cr, Point c, double r_outer, double r_face) {
  bezel(cr, c, r_outer, r_face);
  glass_glint(cr, c, r_face - 0.5);
}

void screw(cairo_t* cr, Point c, double r, double slot_degrees) {
  cairo_pattern_t* p = diagonal(c, r);
  add_stop(p, 0.0, Colour{0.78, 0.78, 0.76});
  add_stop(p, 1.0, Colour{0.30, 0.30, 0.30});
  fill_disc(cr, c, r, p, true);
  set_colour(cr, Colour{0.12, 0.12, 0.12});
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  const Point a = polar(c, r * 0.8, slot_degrees);
  const Point b = polar(c, r * 0.8, slot_degrees + 180);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  set_colour(cr, Colour{0.14, 0.14, 0.14});
  cairo_set_line_width(cr, std::max(1.0, r * 0.35));
  cairo_stroke(cr);
}

void glass_glint(cairo_t* cr, Point c, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, radians(200), radians(250));
  cairo_arc_negative(cr, c.x + 1.2, c.y + 1.2, r - 1.0, radians(248), radians(202));
  cairo_close_path(cr);
  set_colour(cr, Colour{0.80, 0.84, 0.88});
  cairo_fill(cr);
}

void tick(cairo_t* cr, Point c, double degrees, double r_in, double r_out, double width, Colour colour) {
  const Point a = polar(c, r_in, degrees);
  const Point b = polar(c, r_out, degrees);
  cairo_new_path(cr);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  set_colour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_stroke(cr);
}

void wedge(cairo_t* cr, Point c, double degrees, double r_tip, double r_base, double half_spread, Colour colour) {
  const Point tip = polar(c, r_tip, degrees);
  const Point l = polar(c, r_base, degrees - half_spread);
  const Point r = polar(c, r_base, degrees + half_spread);
  cairo_new_path(cr);
  cairo_move_to(cr, tip.x, tip.y);
  cairo_line_to(cr, l.x, l.y);
  cairo_line_to(cr, r.x, r.y);
  cairo_close_path(cr);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void arc_band(cairo_t* cr, Point c, double r_in, double r_out, double a0, double a1, Colour colour) {
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r_out, radians(a0), radians(a1));
  cairo_arc_negative(cr, c.x, c.y, r_in, radians(a1), radians(a0));
  cairo_close_path(cr);
  set_colour(cr, colour);
  cairo_fill(cr);
}

TextBox measure(cairo_t* cr, const std::string& s, Font font, double size) {
  set_font(cr, font, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  return TextBox{e.width, e.height};
}

void text(cairo_t* cr, const std::string& s, Font font, double size, Point centre, Colour colour) {
  text_turned(cr, s, font, size, centre, 0.0, colour);
}

void text_turned(cairo_t* cr, const std::string& s, Font font, double size, Point centre, double degrees,
                 Colour colour) {
  set_font(cr, font, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  cairo_save(cr);
  cairo_translate(cr, centre.x, centre.y);
  cairo_rotate(cr, radians(degrees));
  cairo_new_path(cr);
  cairo_move_to(cr, -e.x_bearing - e.width / 2, -e.y_bearing - e.height / 2);
  cairo_text_path(cr, s.c_str());
  set_colour(cr, colour);
  cairo_fill(cr);
  cairo_restore(cr);
}

void lamp(cairo_t* cr, Point c, double r, Colour lens, bool lit) {
  // Chrome bezel ring.
  shaded_disc(cr, c, r, Colour{0.85, 0.85, 0.84}, Colour{0.45, 0.45, 0.46}, Colour{0.18, 0.18, 0.19});
  const double lens_r = r * 0.72;
  // The lens: a dim, deep tint when dark; bright with a hot centre when lit.
  const Colour rim = lit ? lens : mix(lens, ink::shadow, 0.78);
  const Colour centre = lit ? mix(lens, Colour{1, 1, 0.92}, 0.65) : mix(lens, ink::shadow, 0.55);
  cairo_pattern_t* p =
      cairo_pattern_create_radial(c.x - lens_r * 0.25, c.y - lens_r * 0.25, lens_r * 0.05, c.x, c.y, lens_r);
  add_stop(p, 0.0, centre);
  add_stop(p, 1.0, rim);
  fill_disc(cr, c, lens_r, p);
  // Specular highlight on the glass.
  disc(cr, Point{c.x - lens_r * 0.38, c.y - lens_r * 0.38}, lens_r * 0.22,
       lit ? Colour{1, 1, 0.95} : mix(lens, Colour{0.8, 0.8, 0.8}, 0.45));
}

void toggle_switch(cairo_t* cr, Point c, double s, bool up) {
  // Hex nut and round boss.
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    const Point v = polar(c, 9.0 * s, 30.0 + 60.0 * i);
    if (i == 0) cairo_move_to(cr, v.x, v.y);
    else cairo_line_to(cr, v.x, v.y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* p = diagonal(c, 9 * s);
  add_stop(p, 0.0, Colour{0.80, 0.80, 0.78});
  add_stop(p, 1.0, Colour{0.25, 0.25, 0.26});
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  disc(cr, c, 5.0 * s, Colour{0.30, 0.30, 0.31});
  disc(cr, c, 3.5 * s, Colour{0.55, 0.55, 0.56});
  // The bat handle, seen from the front: it leans up or down from the boss,
  // with its ball end towards the viewer lit from above.
  const double dir = up ? -1.0 : 1.0;
  const double len = 20.0 * s;
  const Point tip{c.x, c.y + dir * len};
  cairo_new_path(cr);
  cairo_move_to(cr, c.x - 2.6 * s, c.y);
  cairo_line_to(cr, tip.x - 4.2 * s, tip.y);
  cairo_line_to(cr, tip.x + 4.2 * s, tip.y);
  cairo_line_to(cr, c.x + 2.6 * s, c.y);
  cairo_close_path(cr);
  p = cairo_pattern_create_linear(c.x - 4.2 * s, 0, c.x + 4.2 * s, 0);
  add_stop(p, 0.0, Colour{0.95, 0.95, 0.94});
  add_stop(p, 0.45, Colour{0.75, 0.75, 0.76});
  add_stop(p, 1.0, Colour{0.30, 0.30, 0.32});
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  p = cairo_pattern_create_radial(tip.x - 1.5 * s, tip.y - 1.5 * s, 0.5 * s, tip.x, tip.y, 5.0 * s);
  add_stop(p, 0.0, Colour{1.0, 1.0, 1.0});
  add_stop(p, 1.0, Colour{0.42, 0.42, 0.44});
  fill_disc(cr, tip, 5.0 * s, p);
}

void blade_path(cairo_t* cr, double x0, double x_shoulder, double x_tip, double y, double half,
                double shoulder_half) {
  cairo_move_to(cr, x0, y - half);
  cairo_line_to(cr, x_shoulder, y - shoulder_half);
  cairo_line_to(cr, x_tip, y);
  cairo_line_to(cr, x_shoulder, y + shoulder_half);
  cairo_line_to(cr, x0, y + half);
  cairo_close_path(cr);
}

void setting_knob(cairo_t* cr, double cx, const SettingKnob& k) {
  cairo_new_path(cr);
  rounded_rect_path(cr, cx - k.width / 2, k.top, k.width, k.height, k.corner);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - k.width / 2, 0, cx + k.width / 2, 0);
  add_stop(p, 0.0, k.light);
  add_stop(p, 1.0, k.dark);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double x = cx - k.knurl_half; x <= cx + k.knurl_half; x += 2.0) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, k.knurl_top);
    cairo_line_to(cr, x, k.knurl_bottom);
    set_colour(cr, Colour{0.10, 0.10, 0.11});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
}

}  // namespace artgen
