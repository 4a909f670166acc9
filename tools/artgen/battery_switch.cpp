// "Master Battery Switch": a rotary switch on a screwed plate, ON marked at
// the lower left and OFF at the lower right, with a lamp above the knob that
// shows green when the battery is on. The two pictures carry the knob, its
// handle and the lamp; the plate shows round them.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Layout ----------------------------------------------------------------------

constexpr Point kKnob{64.0, 72.0};
constexpr double kKnobRadius = 21.0;
constexpr Point kLamp{64.0, 24.0};
constexpr double kLampRadius = 13.0;

// Directions of the handle's tip, degrees clockwise from +x.
constexpr double kOnDegrees = 135.0;   // lower left
constexpr double kOffDegrees = 45.0;   // lower right
constexpr double kMarkRadius = 33.0;

// --- Pictures --------------------------------------------------------------------

void knob_base(cairo_t* cr) {
  disc(cr, kKnob, kKnobRadius + 2.0, Colour{0.07, 0.07, 0.08});
  cairo_pattern_t* p = cairo_pattern_create_linear(kKnob.x - kKnobRadius, kKnob.y - kKnobRadius,
                                                   kKnob.x + kKnobRadius, kKnob.y + kKnobRadius);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.34, 0.34, 0.36);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.12, 0.12, 0.13);
  cairo_new_path(cr);
  cairo_arc(cr, kKnob.x, kKnob.y, kKnobRadius, 0, 2 * kPi);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Grip flutes round the edge.
  for (int i = 0; i < 24; ++i)
    tick(cr, kKnob, i * 15.0, kKnobRadius - 3.0, kKnobRadius - 0.5, 1.2, Colour{0.09, 0.09, 0.10});
}

Image plate(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  case_plate(cr, 0, 0, w, h, 7.0);
  for (const Point s : {Point{9, 9}, Point{119, 9}, Point{9, 119}, Point{119, 119}}) screw(cr, s, 4.0);
  // Position marks: a wedge at each position, lettered beyond it.
  for (const double a : {kOnDegrees, kOffDegrees}) {
    const Point tip = polar(kKnob, kKnobRadius + 4.0, a);
    const Point l = polar(kKnob, kMarkRadius, a - 7.0);
    const Point r = polar(kKnob, kMarkRadius, a + 7.0);
    cairo_new_path(cr);
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, l.x, l.y);
    cairo_line_to(cr, r.x, r.y);
    cairo_close_path(cr);
    set_colour(cr, a == kOnDegrees ? ink::white : ink::red);
    cairo_fill(cr);
  }
  text(cr, "ON", Font::sans_bold, 11.0, polar(kKnob, kMarkRadius + 10.0, kOnDegrees), ink::white);
  text(cr, "OFF", Font::sans_bold, 11.0, polar(kKnob, kMarkRadius + 12.0, kOffDegrees), ink::red);
  text(cr, "BATTERY", Font::condensed_bold, 9.0, Point{64.0, 46.5}, ink::white);
  knob_base(cr);
  lamp(cr, kLamp, kLampRadius, lens::smoke, false);
  return canvas.finish(ink_rgb(ink::panel));
}

// The knob with its bar handle, the handle's tip at `degrees`, and the lamp.
Image switch_picture(double degrees, bool lit) {
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  knob_base(cr);
  // The bar handle across the knob, tapered towards its tip.
  cairo_save(cr);
  cairo_translate(cr, kKnob.x, kKnob.y);
  cairo_rotate(cr, radians(degrees));
  cairo_new_path(cr);
  cairo_move_to(cr, -16.0, -6.0);
  cairo_line_to(cr, 12.0, -5.5);
  cairo_line_to(cr, 24.0, -2.5);
  cairo_line_to(cr, 24.0, 2.5);
  cairo_line_to(cr, 12.0, 5.5);
  cairo_line_to(cr, -16.0, 6.0);
  cairo_arc(cr, -16.0, 0.0, 6.0, kPi / 2, 3 * kPi / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(kKnob.x - 20, kKnob.y - 20, kKnob.x + 20, kKnob.y + 20);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.64, 0.64, 0.66);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.28, 0.28, 0.30);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  set_colour(cr, Colour{0.07, 0.07, 0.08});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // The white line along the handle to its tip.
  const Point a = polar(kKnob, 4.0, degrees);
  const Point b = polar(kKnob, 22.0, degrees);
  cairo_new_path(cr);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  set_colour(cr, ink::white);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  disc(cr, kKnob, 4.0, Colour{0.30, 0.30, 0.31});
  lamp(cr, kLamp, kLampRadius, lit ? lens::green : lens::smoke, lit);
  return canvas.finish(ink_rgb(ink::panel));
}

Image battery_off(int, int) { return switch_picture(kOffDegrees, false); }
Image battery_on(int, int) { return switch_picture(kOnDegrees, true); }

}  // namespace

void add_battery_switch(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role              w    h    bits painter
  out.bitmaps.push_back({vt, 0x1600, "battery_plate",  128, 128, 8, plate});
  out.bitmaps.push_back({vt, 0x1700, "battery_off",    128, 128, 8, battery_off});
  out.bitmaps.push_back({vt, 0x1701, "battery_on",     128, 128, 8, battery_on});
}

}  // namespace artgen
