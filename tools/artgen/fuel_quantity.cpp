// "Fuel": two half-scales on one dial, L on the left and R on the right, each
// 0 (red, at the bottom) to 10 hundred litres (at the top); two identical
// needles; an overlay of glass, bezel, divider bar and unit legend.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variable 304)
constexpr CalRow kLeftRows[] = {
    {30, 103,           0.0},
    {30, 24,            264.0},
};

// point (dial pixels)  value (host variable 303); stored from the high value down
constexpr CalRow kRightRows[] = {
    {92, 24,            264.0},
    {92, 103,           0.0},
};

// One division is a hundred litres: 10 divisions over the 264 units.
constexpr double kUnitsPerDivision = 26.4;

// --- Pictures --------------------------------------------------------------------

constexpr double kFaceRadius = 55.0;
constexpr double kBezelOuter = 63.5;

void scale(cairo_t* cr, std::span<const CalRow> rows) {
  const Point c = at(kPivot);
  for (int d = 0; d <= 10; ++d) {
    const double a = needle_angle(rows, kPivot, d * kUnitsPerDivision);
    const bool major = d % 5 == 0;
    tick(cr, c, a, major ? 41.0 : 45.0, 53.0, major ? 2.2 : 1.4, d == 0 ? ink::red : ink::white);
    if (major) {
      const std::string label = std::to_string(d);
      text(cr, label, Font::sans_bold, 11.0, polar(c, 34.0, a), d == 0 ? ink::red : ink::white);
    }
  }
}

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  bezelled_face(cr, c, kBezelOuter, kFaceRadius);
  scale(cr, kLeftRows);
  scale(cr, kRightRows);
  text(cr, "L", Font::sans_bold, 13.0, Point{43.5, 64.5}, ink::white);
  text(cr, "R", Font::sans_bold, 13.0, Point{85.5, 64.5}, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

// A light bar along the pivot row, pointing +x, with a red tip.
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const double axis = 4.5;  // pixel row 4, the pivot's
  cairo_new_path(cr);
  blade_path(cr, 0.0, w - 7.0, w, axis, 1.6, 1.6);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  cairo_new_path(cr);
  blade_path(cr, w - 12.0, w - 7.0, w, axis, 1.6, 1.6);
  set_colour(cr, ink::red);
  cairo_fill(cr);
  disc(cr, Point{5.5, axis}, 3.4, Colour{0.80, 0.80, 0.76});
  return canvas.finish(ink_rgb(ink::face));
}

Image overlay(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  glazed_bezel(cr, c, kBezelOuter, kFaceRadius);
  // The divider between the half-scales, above and below the legend plate.
  cairo_new_path(cr);
  cairo_rectangle(cr, 62.5, 8.0, 4.0, 112.0);
  set_colour(cr, Colour{0.30, 0.30, 0.32});
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, 63.5, 8.0, 1.0, 112.0);
  set_colour(cr, Colour{0.50, 0.50, 0.52});
  cairo_fill(cr);
  // Legend plate over the needles' hubs.
  cairo_new_path(cr);
  rounded_rect_path(cr, 50.0, 55.0, 29.0, 20.0, 4.0);
  set_colour(cr, Colour{0.20, 0.20, 0.22});
  cairo_fill_preserve(cr);
  set_colour(cr, Colour{0.42, 0.42, 0.44});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  text(cr, "\u00d7100", Font::condensed_bold, 8.0, Point{64.5, 60.5}, ink::white);
  text(cr, "LITRES", Font::condensed_bold, 6.0, Point{64.5, 69.5}, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_fuel_quantity(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                  w    h    bits painter
  out.bitmaps.push_back({vt, 0x1000, "fuel_dial",          128, 128, 8, dial});
  out.bitmaps.push_back({vt, 0x1100, "fuel_left_needle",   44,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x1200, "fuel_right_needle",  44,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x1300, "fuel_overlay",       128, 128, 8, overlay});

  std::vector<double> marks;
  for (int d = 0; d <= 10; ++d) marks.push_back(d * kUnitsPerDivision);
  out.scales.push_back({0x1000, kPivot, kLeftRows, marks, 45.0, 52.0});
  out.scales.push_back({0x1000, kPivot, kRightRows, marks, 45.0, 52.0});
}

}  // namespace artgen
