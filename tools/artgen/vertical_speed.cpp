// "Vertical Speed Indicator": metres per second, zero at 9 o'clock, climb
// over the upper half to 40 and sink over the lower half to 20. A cover with
// the bezel, the hub and a bar out to 3 o'clock sits over the needle.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variable 65: 256 units per m/s)
constexpr CalRow kRows[] = {
    {64, 120,           -5120.0},  // sink 20
    {35, 112,           -2560.0},  // sink 10
    {25, 104,           -1280.0},  // sink 5
    {8, 64,             0.0},      // 0
    {24, 24,            1280.0},   // climb 5
    {35, 16,            2560.0},   // climb 10
    {64, 8,             5120.0},   // climb 20
    {97, 16,            7680.0},   // climb 30
    {104, 24,           8960.0},   // 35, unlabelled
    {109, 31,           10240.0},  // climb 40
};

constexpr double kUnitsPerMetrePerSecond = 256.0;

// --- Pictures --------------------------------------------------------------------

constexpr double kFaceRadius = 58.5;
constexpr double kBezelOuter = 63.8;

double units(double mps) { return mps * kUnitsPerMetrePerSecond; }

// Every mark of the dial in m/s, negative for sink.
std::vector<double> marks_mps() {
  std::vector<double> m;
  for (int v = -20; v <= 40; ++v) {
    const int a = v < 0 ? -v : v;
    // Ones up to 5, where the scale is open; fives beyond.
    if (a <= 5 || a % 5 == 0) m.push_back(v);
  }
  return m;
}

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  bezelled_face(cr, c, kBezelOuter, kFaceRadius);
  for (const double v : marks_mps()) {
    const double a = needle_angle(kRows, kPivot, units(v));
    const int m = static_cast<int>(v < 0 ? -v : v);
    const bool labelled = m == 5 || m == 10 || m == 20 || m == 30 || m == 40;
    if (m == 0)
      tick(cr, c, a, 44.0, 57.0, 2.6, ink::white);
    else if (labelled)
      tick(cr, c, a, 47.0, 57.0, 2.0, ink::white);
    else if (m % 5 == 0)
      tick(cr, c, a, 50.0, 57.0, 1.6, ink::white);
    else
      tick(cr, c, a, 52.5, 57.0, 1.1, ink::white);
    if (labelled) {
      // 5 and 10 stand close together: their numerals are eased apart.
      double nudge = 0.0;
      if (m == 5) nudge = v > 0 ? -6.0 : 6.0;
      if (m == 10) nudge = v > 0 ? 4.0 : -4.0;
      const Colour colour = v < 0 ? Colour{0.95, 0.70, 0.35} : ink::white;
      text(cr, std::to_string(m), Font::sans_bold, 10.0, polar(c, 39.0, a + nudge), colour);
    }
  }
  text(cr, "0", Font::sans_bold, 11.0, polar(c, 37.5, 180.0), ink::white);
  // Legends: climb above the centre, sink below, and the unit.
  text(cr, "CLIMB \u2191", Font::condensed_bold, 8.0, Point{60.0, 44.0}, ink::white);
  text(cr, "SINK \u2193", Font::condensed_bold, 8.0, Point{62.0, 86.0}, Colour{0.95, 0.70, 0.35});
  text(cr, "M/S", Font::sans_bold, 8.0, Point{47.0, 64.5}, ink::white);
  return canvas.finish(ink_rgb(ink::face));
}

// White pointer along +x from the pivot (4,4), with a short rounded tail.
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point p = at(4, 4);
  cairo_new_path(cr);
  blade_path(cr, 0.5, w - 9.0, w, p.y, 2.0, 1.4);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  return canvas.finish(ink_rgb(ink::face));
}

// Bezel, glass glint, and the hub with its bar out to 3 o'clock.
Image cover(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  glazed_bezel(cr, c, kBezelOuter, kFaceRadius);
  cairo_new_path(cr);
  cairo_rectangle(cr, c.x, c.y - 3.0, kFaceRadius - 0.5, 6.0);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, c.y - 3.0, 0, c.y + 3.0);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.55, 0.55, 0.57);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.20, 0.20, 0.21);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  disc(cr, c, 8.0, Colour{0.18, 0.18, 0.19});
  disc(cr, c, 6.5, Colour{0.38, 0.38, 0.40});
  disc(cr, Point{c.x - 1.5, c.y - 1.5}, 3.0, Colour{0.60, 0.60, 0.62});
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_vertical_speed(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role          w    h    bits painter
  out.bitmaps.push_back({vt, 0x1A00, "vsi_dial",   128, 128, 8, dial});
  out.bitmaps.push_back({vt, 0x1B00, "vsi_needle", 52,  8,   8, needle});
  out.bitmaps.push_back({vt, 0x1B01, "vsi_cover",  128, 128, 8, cover});

  std::vector<double> marks;
  for (const double v : marks_mps()) marks.push_back(units(v));
  out.scales.push_back({0x1A00, kPivot, kRows, marks, 53.0, 56.5});
}

}  // namespace artgen
