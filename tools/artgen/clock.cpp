// "Clock": a small face in a square bezel with four screws, sixty minute
// ticks and the numerals 12, 3, 6 and 9; a long and a short hand, each a
// light blade with a dark tail behind its pivot.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{37, 37};

// point (face pixels)  value (host variable 4, minutes)
constexpr CalRow kLongRows[] = {
    {37, 9,             0.0},   // 12 o'clock
    {66, 37,            15.0},  // 3 o'clock
    {37, 66,            30.0},  // 6 o'clock
    {9, 37,             45.0},  // 9 o'clock
};

// point (face pixels)  value (host variable 3, hours); two turns
constexpr CalRow kShortRows[] = {
    {37, 9,             0.0},
    {66, 37,            3.0},
    {37, 66,            6.0},
    {9, 37,             9.0},
    {37, 9,             12.0},
    {66, 37,            15.0},
    {37, 66,            18.0},
    {9, 37,             21.0},
};

// The long hand's table ends at 45 minutes; the last quarter continues at
// the same six degrees a minute.
double minute_angle(int minute) {
  if (minute <= 45) return needle_angle(kLongRows, kPivot, minute);
  return needle_angle(kLongRows, kPivot, 45.0) + (minute - 45) * 6.0;
}

// --- Pictures --------------------------------------------------------------------

Image face_picture(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  screwed_plate(cr, w, h, 6.0, 6.0, 3.0);
  bezelled_face(cr, c, 34.5, 31.0);
  for (int m = 0; m < 60; ++m) {
    const bool five = m % 5 == 0;
    tick(cr, c, minute_angle(m), five ? 24.5 : 27.0, 30.0, five ? 1.6 : 0.9, ink::white);
  }
  for (const int m : {0, 15, 30, 45}) {
    const std::string label = m == 0 ? "12" : std::to_string(m / 5);
    text(cr, label, Font::sans_bold, 8.0, polar(c, 18.5, minute_angle(m)), ink::white);
  }
  // The hub's boss; the hands' own caps sit on it.
  disc(cr, c, 2.5, Colour{0.30, 0.30, 0.31});
  return canvas.finish(ink_rgb(ink::face));
}

// A dark tail from the left edge to the pivot, a light blade on to the tip.
Image hand(int w, int h, Point pivot, double blade_half, double tail_half) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 0.5, pivot.y - tail_half);
  cairo_line_to(cr, pivot.x, pivot.y - tail_half * 0.7);
  cairo_line_to(cr, pivot.x, pivot.y + tail_half * 0.7);
  cairo_line_to(cr, 0.5, pivot.y + tail_half);
  cairo_close_path(cr);
  set_colour(cr, Colour{0.26, 0.26, 0.27});
  cairo_fill(cr);
  cairo_new_path(cr);
  blade_path(cr, pivot.x, w - 5.0, w, pivot.y, blade_half, blade_half * 0.8);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  disc(cr, pivot, tail_half + 0.8, Colour{0.36, 0.36, 0.37});
  return canvas.finish(ink_rgb(ink::face));
}

Image long_hand(int w, int h) { return hand(w, h, at(13, 5), 1.5, 2.6); }
Image short_hand(int w, int h) { return hand(w, h, at(7, 4), 1.9, 2.4); }

}  // namespace

void add_clock(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role               w   h   bits painter
  out.bitmaps.push_back({vt, 0x3B00, "clock_face",       75, 75, 8, face_picture});
  out.bitmaps.push_back({vt, 0x3C00, "clock_long_hand",  41, 11, 8, long_hand});
  out.bitmaps.push_back({vt, 0x3D00, "clock_short_hand", 27, 9,  8, short_hand});

  std::vector<double> minutes;
  for (int m = 0; m <= 45; ++m) minutes.push_back(m);
  out.scales.push_back({0x3B00, kPivot, kLongRows, minutes, 27.5, 29.5});
  out.scales.push_back({0x3B00, kPivot, kShortRows, {0.0, 3.0, 6.0, 9.0, 12.0, 15.0, 18.0, 21.0}, 25.0, 29.5});
}

}  // namespace artgen
