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

// The bar handle.
constexpr KnobGrip kHandle{.heel = -16.0, .heel_half = 6.0, .shoulder = 12.0, .shoulder_half = 5.5,
                           .tip = 24.0, .tip_half = 2.5, .shade_reach = 20.0,
                           .light = {0.64, 0.64, 0.66}, .dark = {0.28, 0.28, 0.30},
                           .outline = {0.07, 0.07, 0.08}, .line_from = 4.0, .line_to = 22.0};

// --- Pictures --------------------------------------------------------------------

void knob_base(cairo_t* cr) {
  disc(cr, kKnob, kKnobRadius + 2.0, Colour{0.07, 0.07, 0.08});
  shaded_disc(cr, kKnob, kKnobRadius, Colour{0.34, 0.34, 0.36}, Colour{0.12, 0.12, 0.13});
  // Grip flutes round the edge.
  for (int i = 0; i < 24; ++i)
    tick(cr, kKnob, i * 15.0, kKnobRadius - 3.0, kKnobRadius - 0.5, 1.2, Colour{0.09, 0.09, 0.10});
}

Image plate(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  screwed_plate(cr, w, h, 7.0, 9.0, 4.0);
  // Position marks: a wedge at each position, lettered beyond it.
  for (const double a : {kOnDegrees, kOffDegrees})
    wedge(cr, kKnob, a, kKnobRadius + 4.0, kMarkRadius, 7.0, a == kOnDegrees ? ink::white : ink::red);
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
  // The bar handle across the knob, tapered towards its tip, with the white
  // line along it to its tip.
  knob_grip(cr, kKnob, degrees, kHandle);
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
