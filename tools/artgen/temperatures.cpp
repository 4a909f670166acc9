// "Radiator Temp 0/1" and "Oil Temp 0/1": four gauges, one set of pictures.
// A dark round face with an arc of graduations over the top, 0 to 120 degrees
// Celsius from left to right about a pivot 16 pixels below the centre; a
// white needle; an overlay of square bezel, glass, hub cap and the unit.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 80};

// point (dial pixels)  value (host variables 417, 456, 416, 455: degrees Rankine)
constexpr CalRow kRows[] = {
    {20, 45,            492.0},    //   0 degrees Celsius
    {105, 47,           708.0},    // 120 degrees Celsius
};

// The printed scale in degrees Celsius; its ends are the table's rows.
constexpr int kLowCelsius = 0;
constexpr int kHighCelsius = 120;
constexpr int kMarkStep = 10;      // degrees Celsius
constexpr int kNumeralStep = 40;

double value_of(double celsius) {
  return kRows[0].value + (celsius - kLowCelsius) / (kHighCelsius - kLowCelsius) * (kRows[1].value - kRows[0].value);
}

// --- Pictures --------------------------------------------------------------------

constexpr Point kCentre{64.0, 64.0};  // of the face and the bezel's opening
constexpr double kFaceRadius = 60.0;
constexpr double kOpening = 57.0;
constexpr double kTickOuter = 54.0;   // from the pivot
constexpr double kMajorInner = 43.0;
constexpr double kMinorInner = 48.0;
constexpr double kNumeralRadius = 35.0;

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point pivot = at(kPivot);
  face(cr, kCentre, kFaceRadius);
  // A hot band from 100 degrees to the end of the scale.
  arc_band(cr, pivot, kTickOuter + 0.5, kTickOuter + 3.0, needle_angle(kRows, kPivot, value_of(100)),
           needle_angle(kRows, kPivot, value_of(kHighCelsius)), ink::red);
  for (int t = kLowCelsius; t <= kHighCelsius; t += kMarkStep) {
    const bool major = t % kNumeralStep == 0;
    tick(cr, pivot, needle_angle(kRows, kPivot, value_of(t)), major ? kMajorInner : kMinorInner, kTickOuter,
         major ? 2.4 : 1.4, ink::white);
  }
  for (int t = kLowCelsius; t <= kHighCelsius; t += kNumeralStep)
    text(cr, std::to_string(t), Font::sans_bold, 11.0,
         polar(pivot, kNumeralRadius, needle_angle(kRows, kPivot, value_of(t))), ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

// A white blade with a pointed tip on the pivot row 1.
Image needle(int w, int h) {
  Canvas canvas(w, h);
  needle_blade(canvas.cr(), 0.0, w, 1, 1.5, 7.0, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

Image overlay(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  // The square bezel, with the round opening cut out of it.
  cairo_save(cr);
  cairo_new_path(cr);
  rounded_rect_path(cr, 0.0, 0.0, w, h, 12.0);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, kCentre.x, kCentre.y, kOpening, 2 * kPi, 0);
  cairo_clip(cr);
  case_plate(cr, 0.0, 0.0, w, h, 12.0, Colour{0.24, 0.24, 0.25});
  bezel(cr, kCentre, kOpening + 4.0, kOpening);
  cairo_restore(cr);
  for (const Point s : {Point{10.5, 10.5}, Point{117.5, 10.5}, Point{10.5, 117.5}, Point{117.5, 117.5}})
    screw(cr, s, 4.0, 60.0);
  glass_glint(cr, kCentre, kOpening - 0.5);
  // Hub cap over the needle's root.
  const Point pivot = at(kPivot);
  disc(cr, pivot, 5.0, Colour{0.28, 0.28, 0.29});
  disc(cr, Point{pivot.x - 0.8, pivot.y - 0.8}, 3.0, Colour{0.55, 0.55, 0.56});
  text(cr, "\u00b0C", Font::sans_bold, 13.0, Point{64.5, 103.5}, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_temperatures(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                       w    h    bits painter
  out.bitmaps.push_back({vt, 0x2500, "radiator_temp0_dial",     128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x2600, "radiator_temp0_needle",   52,  4,   8,  needle});
  out.bitmaps.push_back({vt, 0x2700, "radiator_temp0_overlay",  128, 128, 24, overlay});
  out.bitmaps.push_back({vt, 0x2800, "radiator_temp1_dial",     128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x2900, "radiator_temp1_needle",   52,  4,   8,  needle});
  out.bitmaps.push_back({vt, 0x2A00, "radiator_temp1_overlay",  128, 128, 24, overlay});
  out.bitmaps.push_back({vt, 0x2B00, "oil_temp0_dial",          128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x2C00, "oil_temp0_needle",        52,  4,   8,  needle});
  out.bitmaps.push_back({vt, 0x2D00, "oil_temp0_overlay",       128, 128, 24, overlay});
  out.bitmaps.push_back({vt, 0x2E00, "oil_temp1_dial",          128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x2F00, "oil_temp1_needle",        52,  4,   8,  needle});
  out.bitmaps.push_back({vt, 0x3000, "oil_temp1_overlay",       128, 128, 24, overlay});

  std::vector<double> marks;
  for (int t = kLowCelsius; t <= kHighCelsius; t += kMarkStep) marks.push_back(value_of(t));
  for (const int id : {0x2500, 0x2800, 0x2B00, 0x2E00})
    out.scales.push_back({id, kPivot, kRows, marks, kMinorInner + 0.5, kTickOuter - 0.5});
}

}  // namespace artgen
