// "Airspeed Indicator": a km/h dial whose scale starts at the bottom and runs
// clockwise through the left, the top and the right, labelled 50 to 700;
// the needle is a white pointer with a dark tail.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variable 61: 0.54 units per km/h)
constexpr CalRow kRows[] = {
    {64, 121,           0.0},    //   0 km/h, straight down
    {23, 105,           27.0},   //  50 km/h
    {10, 85,            54.0},   // 100 km/h
    {85, 117,           378.0},  // 700 km/h
    {70, 121,           486.0},  // 900 km/h
};

constexpr double kUnitsPerKmh = 0.54;

// --- Pictures --------------------------------------------------------------------

constexpr double kFaceRadius = 59.5;
constexpr double kTickOuter = 58.0;

double units(int kmh) { return kmh * kUnitsPerKmh; }

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  bezelled_face(cr, c, 63.8, kFaceRadius);
  for (int kmh = 50; kmh <= 700; kmh += 10) {
    const double a = needle_angle(kRows, kPivot, units(kmh));
    if (kmh % 100 == 0 || kmh == 50)
      tick(cr, c, a, 47.0, kTickOuter, 2.0, ink::white);
    else if (kmh % 50 == 0)
      tick(cr, c, a, 50.0, kTickOuter, 1.5, ink::white);
    else
      tick(cr, c, a, 53.0, kTickOuter, 1.1, ink::white);
  }
  for (int kmh : {50, 100, 200, 300, 400, 500, 600, 700}) {
    const double a = needle_angle(kRows, kPivot, units(kmh));
    const double r = kmh == 100 ? 37.5 : 38.5;
    text(cr, std::to_string(kmh), Font::condensed_bold, kmh < 100 ? 10.0 : 9.5, polar(c, r, a), ink::white);
  }
  text(cr, "Km/h", Font::sans_bold, 9.0, Point{64.5, 86.0}, ink::white);
  // A hub the needle's cap sits on.
  disc(cr, c, 5.0, Colour{0.22, 0.22, 0.23});
  return canvas.finish(ink_rgb(ink::face));
}

// White pointer along +x from the pivot (12,4), dark tail behind it.
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point p = at(12, 4);
  cairo_new_path(cr);
  cairo_move_to(cr, 0.5, p.y - 2.5);
  cairo_line_to(cr, p.x, p.y - 2.0);
  cairo_line_to(cr, p.x, p.y + 2.0);
  cairo_line_to(cr, 0.5, p.y + 2.5);
  cairo_close_path(cr);
  set_colour(cr, Colour{0.25, 0.25, 0.26});
  cairo_fill(cr);
  cairo_new_path(cr);
  blade_path(cr, p.x, w - 10.0, w, p.y, 2.0, 1.4);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  disc(cr, p, 4.3, Colour{0.30, 0.30, 0.31});
  disc(cr, Point{p.x - 0.8, p.y - 0.8}, 2.0, Colour{0.55, 0.55, 0.56});
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_airspeed(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role               w    h    bits painter
  out.bitmaps.push_back({vt, 0x1800, "airspeed_dial",   128, 128, 24, dial});
  out.bitmaps.push_back({vt, 0x1900, "airspeed_needle", 64,  9,   8,  needle});

  std::vector<double> marks;
  for (int kmh = 50; kmh <= 700; kmh += 10) marks.push_back(units(kmh));
  out.scales.push_back({0x1800, kPivot, kRows, marks, 53.5, 57.5});
}

}  // namespace artgen
