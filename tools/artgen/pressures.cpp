// "Fuel Pressure 0/1" and "Oil Pressure 0/1": one geometry, two dials. A
// round dial in a bezel with an arc of graduations over the top, numbered
// only at its ends (0 and 3, or 0 and 10, kilograms per square centimetre),
// and the unit in the lower half; one light needle on a small hub for all
// four gauges. There is no overlay: the needle is drawn last.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variables 425, 464: fuel; 418, 457: oil)
constexpr CalRow kFuelRows[] = {
    {26, 31,            0.0},
    {102, 31,           6144.0},   // 3 kg/cm2
};
constexpr CalRow kOilRows[] = {
    {26, 31,            0.0},
    {102, 31,           20480.0},  // 10 kg/cm2
};

// A printed scale: its full reading in kg/cm2 (the last row's value) and
// the step of its marks; every `major`-th mark is long.
struct Printed {
  std::span<const CalRow> rows;
  int full;        // kg/cm2
  double step;     // kg/cm2 between marks
  int major;       // marks per long mark
  int medium;      // marks per medium mark
};

//                            rows       full  step  major medium
constexpr Printed kFuel{kFuelRows,   3,    0.25, 4,    2};
constexpr Printed kOil{kOilRows,     10,   1.0,  5,    5};

int mark_count(const Printed& s) { return static_cast<int>(s.full / s.step + 0.5); }
double value_of(const Printed& s, double reading) { return reading / s.full * s.rows.back().value; }

// --- Pictures --------------------------------------------------------------------

constexpr double kBezelOuter = 63.5;
constexpr double kFaceRadius = 56.5;
// The needle reaches 33.5 pixels from the pivot, just onto the graduations'
// inner ends; the graduations differ in their outer ends.
constexpr double kTickInner = 32.0;
constexpr double kMajorOuter = 46.0;
constexpr double kMediumOuter = 42.0;
constexpr double kMinorOuter = 39.0;
constexpr double kNumeralRadius = 45.0;
constexpr double kNumeralBeyond = 15.0;  // degrees past each end of the arc

Image dial(const Printed& s) {
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  bezelled_face(cr, c, kBezelOuter, kFaceRadius);
  const int n = mark_count(s);
  const double a0 = needle_angle(s.rows, kPivot, 0.0);
  const double a1 = needle_angle(s.rows, kPivot, s.rows.back().value);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, kTickInner + 0.3, radians(a0), radians(a1));
  set_colour(cr, mix(ink::white, ink::face, 0.45));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  for (int i = 0; i <= n; ++i) {
    const double a = needle_angle(s.rows, kPivot, value_of(s, i * s.step));
    const bool major = i % s.major == 0;
    const double outer = major ? kMajorOuter : i % s.medium == 0 ? kMediumOuter : kMinorOuter;
    tick(cr, c, a, kTickInner, outer, major ? 2.3 : 1.3, ink::white);
  }
  // The end numerals, outside the ends of the arc.
  text(cr, "0", Font::sans_bold, 14.0, polar(c, kNumeralRadius, a0 - kNumeralBeyond), ink::white);
  text(cr, std::to_string(s.full), Font::sans_bold, 14.0, polar(c, kNumeralRadius, a1 + kNumeralBeyond),
       ink::white);
  // The unit, kilograms per square centimetre.
  text(cr, "kg/cm\u00b2", Font::sans_bold, 11.0, Point{c.x, c.y + 27.0}, ink::white);
  disc(cr, c, 6.0, Colour{0.22, 0.22, 0.23});
  glass_glint(cr, c, kFaceRadius - 0.5);
  return canvas.finish(ink_rgb(ink::face));
}

Image fuel_dial(int, int) { return dial(kFuel); }
Image oil_dial(int, int) { return dial(kOil); }

// A light bar from a small hub round the pivot (3, 3).
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  constexpr int kAxisRow = 3;
  needle_blade(cr, 3.0, w, kAxisRow, 1.5, 7.0, ink::white);
  disc(cr, at(3, kAxisRow), 3.2, Colour{0.70, 0.70, 0.68});
  disc(cr, at(3, kAxisRow), 1.3, Colour{0.35, 0.35, 0.36});
  return canvas.finish(ink_rgb(ink::face));
}

std::vector<double> marks(const Printed& s) {
  std::vector<double> values;
  for (int i = 0; i <= mark_count(s); ++i) values.push_back(value_of(s, i * s.step));
  return values;
}

}  // namespace

void add_pressures(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                      w    h    bits painter
  out.bitmaps.push_back({vt, 0x4300, "fuel_pressure0_dial",    128, 128, 8, fuel_dial});
  out.bitmaps.push_back({vt, 0x4400, "fuel_pressure0_needle",  37,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x4500, "fuel_pressure1_dial",    128, 128, 8, fuel_dial});
  out.bitmaps.push_back({vt, 0x4600, "fuel_pressure1_needle",  37,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x4700, "oil_pressure0_dial",     128, 128, 8, oil_dial});
  out.bitmaps.push_back({vt, 0x4800, "oil_pressure0_needle",   37,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x4900, "oil_pressure1_dial",     128, 128, 8, oil_dial});
  out.bitmaps.push_back({vt, 0x4A00, "oil_pressure1_needle",   37,  8,   8, needle});

  for (const int id : {0x4300, 0x4500})
    out.scales.push_back({id, kPivot, kFuelRows, marks(kFuel), kTickInner + 0.5, kMinorOuter - 0.5});
  for (const int id : {0x4700, 0x4900})
    out.scales.push_back({id, kPivot, kOilRows, marks(kOil), kTickInner + 0.5, kMinorOuter - 0.5});
}

}  // namespace artgen
