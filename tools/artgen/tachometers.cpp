// "Tachometer 0" and "Tachometer 1": one dark dial (shared by both gauges)
// graduated every hundred revolutions per minute from 600 to 3500, with the
// hundreds 6, 10, 15 ... 35 running clockwise from the bottom; a white needle;
// an overlay of bezel, glass and a centre cap lettered with the unit.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variables 390 and 429, rpm)
constexpr CalRow kRows[] = {
    {64, 118,           0.0},
    {54, 118,           600.0},
    {22, 99,            1000.0},
    {110, 91,           3500.0},
};

constexpr int kFirstMark = 600;   // rpm
constexpr int kLastMark = 3500;
constexpr int kMarkStep = 100;

// Numbered marks, in hundreds of rpm.
constexpr int kNumerals[] = {6, 10, 15, 20, 25, 30, 35};

// --- Pictures --------------------------------------------------------------------

constexpr double kFaceRadius = 58.0;
constexpr double kBezelInner = 55.5;
constexpr double kBezelOuter = 63.5;
constexpr double kTickOuter = 54.0;
constexpr double kMajorInner = 45.0;
constexpr double kMinorInner = 48.0;
constexpr double kNumeralRadius = 34.0;

bool numbered(int rpm) {
  for (const int n : kNumerals)
    if (n * 100 == rpm) return true;
  return false;
}

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  face(cr, c, kFaceRadius);
  // A fine ring joining the foot of the graduations.
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, kTickOuter - 0.3, radians(needle_angle(kRows, kPivot, kFirstMark)),
            radians(needle_angle(kRows, kPivot, kLastMark)));
  set_colour(cr, mix(ink::white, ink::face, 0.45));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  for (int rpm = kFirstMark; rpm <= kLastMark; rpm += kMarkStep) {
    const double a = needle_angle(kRows, kPivot, rpm);
    const bool major = numbered(rpm);
    tick(cr, c, a, major ? kMajorInner : kMinorInner, kTickOuter, major ? 2.4 : 1.3, ink::white);
  }
  for (const int n : kNumerals) {
    const double a = needle_angle(kRows, kPivot, n * 100.0);
    text(cr, std::to_string(n), Font::sans_bold, 11.0, polar(c, kNumeralRadius, a), ink::white);
  }
  return canvas.finish(ink_rgb(ink::face));
}

// A white blade with a pointed tip from a small hub on the pivot.
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  constexpr int kAxisRow = 4;  // the pivot (3, 4)
  needle_blade(cr, 0.0, w, kAxisRow, 1.7, 9.0, ink::white);
  disc(cr, at(3, kAxisRow), 3.4, Colour{0.78, 0.78, 0.74});
  return canvas.finish(ink_rgb(ink::face));
}

Image overlay(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  bezel(cr, c, kBezelOuter, kBezelInner);
  glass_glint(cr, c, kBezelInner + 2.0);  // on the bezel's lip, clear of the graduations
  // The centre cap over the needle's hub, lettered with the unit.
  disc(cr, c, 14.5, Colour{0.30, 0.30, 0.32});
  face(cr, c, 13.5, Colour{0.15, 0.15, 0.16});
  text(cr, "RPM", Font::condensed_bold, 7.5, Point{c.x, c.y - 3.5}, ink::white);
  text(cr, "\u00d7100", Font::condensed_bold, 7.0, Point{c.x, c.y + 5.0}, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_tachometers(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                    w    h    bits painter
  out.bitmaps.push_back({vt, 0x1F00, "tachometer_dial",      128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x2000, "tachometer0_needle",   52,  8,   8,  needle});
  out.bitmaps.push_back({vt, 0x2100, "tachometer0_overlay",  128, 128, 8,  overlay});
  out.bitmaps.push_back({vt, 0x2300, "tachometer1_needle",   52,  8,   8,  needle});
  out.bitmaps.push_back({vt, 0x2400, "tachometer1_overlay",  128, 128, 8,  overlay});

  std::vector<double> marks;
  for (int rpm = kFirstMark; rpm <= kLastMark; rpm += kMarkStep) marks.push_back(rpm);
  out.scales.push_back({0x1F00, kPivot, kRows, marks, kMinorInner + 0.5, kTickOuter - 0.5});
}

}  // namespace artgen
