// "Fuel Tank Switch": a four-way selector on a screwed plate, marked L+R at
// the top, L at the left, R at the right and OFF at the bottom; four knob
// pictures, one per position, over the plate's hub.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// The plate's centre: the pictures turn by quarter turns about it.
constexpr Point kCentre{64.0, 64.0};
constexpr double kRing = 40.0;

// Directions of the four positions, degrees clockwise from +x.
constexpr double kUp = 270.0;
constexpr double kLeft = 180.0;
constexpr double kRight = 0.0;
constexpr double kDown = 90.0;

// The knob's grip.
constexpr KnobGrip kGrip{.heel = -20.0, .heel_half = 9.5, .shoulder = 18.0, .shoulder_half = 8.5,
                         .tip = 35.0, .tip_half = 3.0, .shade_reach = 30.0,
                         .light = {0.46, 0.46, 0.48}, .dark = {0.16, 0.16, 0.17},
                         .outline = {0.08, 0.08, 0.09}, .line_from = 6.0, .line_to = 33.0};

Image plate(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  screwed_plate(cr, w, h, 7.0, 9.0, 4.0);
  // A recessed dial with its ring.
  disc(cr, kCentre, kRing + 3.0, Colour{0.08, 0.08, 0.09});
  face(cr, kCentre, kRing + 1.5, Colour{0.12, 0.12, 0.13});
  cairo_new_path(cr);
  cairo_arc(cr, kCentre.x, kCentre.y, kRing, 0, 2 * kPi);
  set_colour(cr, ink::white);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Position marks: a white wedge pointing in at each of the four.
  for (const double a : {kUp, kLeft, kRight, kDown})
    wedge(cr, kCentre, a, kRing - 7.0, kRing + 0.5, 6.0, a == kDown ? ink::red : ink::white);
  text(cr, "L+R", Font::sans_bold, 11.0, Point{64.0, 12.5}, ink::white);
  text(cr, "L", Font::sans_bold, 13.0, Point{13.0, 64.0}, ink::white);
  text(cr, "R", Font::sans_bold, 13.0, Point{115.0, 64.0}, ink::white);
  text(cr, "OFF", Font::sans_bold, 10.0, Point{64.0, 115.5}, ink::red);
  // The knob's hub.
  disc(cr, kCentre, 22.0, Colour{0.22, 0.22, 0.23});
  disc(cr, kCentre, 20.0, Colour{0.10, 0.10, 0.11});
  return canvas.finish(ink_rgb(ink::panel));
}

// A pointer knob: a tapered grip across the hub, its long end at `degrees`,
// with a white line along the grip and lighting from the upper left.
Image knob(double degrees) {
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  knob_grip(cr, kCentre, degrees, kGrip);
  // Round cap over the shaft.
  disc(cr, kCentre, 6.0, Colour{0.30, 0.30, 0.31});
  disc(cr, Point{kCentre.x - 1.2, kCentre.y - 1.2}, 3.5, Colour{0.50, 0.50, 0.52});
  return canvas.finish(Rgb{26, 26, 28});
}

Image knob_up(int, int) { return knob(kUp); }
Image knob_left(int, int) { return knob(kLeft); }
Image knob_right(int, int) { return knob(kRight); }
Image knob_down(int, int) { return knob(kDown); }

}  // namespace

void add_fuel_selector(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                     w    h    bits painter
  out.bitmaps.push_back({vt, 0x1400, "tank_selector_dial",   128, 128, 8, plate});
  out.bitmaps.push_back({vt, 0x1500, "tank_selector_both",   128, 128, 8, knob_up});
  out.bitmaps.push_back({vt, 0x1501, "tank_selector_left",   128, 128, 8, knob_left});
  out.bitmaps.push_back({vt, 0x1502, "tank_selector_right",  128, 128, 8, knob_right});
  out.bitmaps.push_back({vt, 0x1503, "tank_selector_off",    128, 128, 8, knob_down});
}

}  // namespace artgen
