// Altimeters. "Altimeter (Km)": a dial marked 0.1 to 0.9 km with a needle,
// and a rolling counter of whole kilometres behind a small window over a
// transparent notch. "Altimeter (m)": two white triangles running in the
// black gaps of a two-ring dial face over a plain dark backing.
#include <cmath>

#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kKmPivot{56, 58};

// point (dial pixels)  value (host variable 73; the dial reads value / 1000 km)
constexpr CalRow kKmRows[] = {
    {57, 99,            0.0},    // bottom of the scale, below the counter
    {57, 12,            500.0},  // 0.5
    {83, 92,            900.0},  // 0.9
};

constexpr Pivot kMetrePivot{64, 64};

// point (dial pixels)  value (host variable 73)
constexpr CalRow kOuterRows[] = {
    {64, 128,           0.0},   // 0, straight down
    {64, 1,             50.0},  // 50, straight up
};

// point (dial pixels)  value (host variable 73)
constexpr CalRow kInnerRows[] = {
    {64, 128,           0.0},
    {64, 1,             500.0},
};

// --- Counter --------------------------------------------------------------------

// The strip holds 0 to 30 at a 19-pixel pitch, 0 at the left: number n
// fills columns 19n to 19n+16, the width of the window.
constexpr int kCounterPitch = 19;
constexpr int kCounterWindowWidth = 17;
constexpr Rgb kCounterGround{46, 52, 64};

// The notch under the counter window, columns 49 to 65, rows 80 to 93.
constexpr int kNotchX0 = 49;
constexpr int kNotchY0 = 80;
constexpr int kNotchX1 = 65;
constexpr int kNotchY1 = 93;

// --- Metre dial rings (radii from the centre of pixel (64,64)) ----------------------

// The outer triangle spans radii 38 to 51.3, the inner one 15 to 28.5.
constexpr double kOuterGapIn = 37.0;
constexpr double kOuterGapOut = 52.5;
constexpr double kInnerGapIn = 14.0;
constexpr double kInnerGapOut = 29.5;
constexpr double kRim = 61.0;

constexpr Rgb kPointerWhite{246, 246, 240};

// --- Km pictures ---------------------------------------------------------------

Image km_dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kKmPivot);
  case_plate(cr, 0, 0, w, h, 7.0);
  for (const Point s : {Point{8, 8}, Point{106, 8}, Point{8, 110}, Point{106, 110}}) screw(cr, s, 3.8);
  // The setting knob below the bezel.
  setting_knob(cr, c.x, SettingKnob{.top = 108.0, .width = 16.0, .height = 15.0, .corner = 3.0,
                                    .light = {0.55, 0.55, 0.56}, .dark = {0.15, 0.15, 0.16},
                                    .knurl_half = 6.0, .knurl_top = 115.0, .knurl_bottom = 122.0});
  bezelled_face(cr, c, 55.5, 48.5);
  // A small red triangle on the bezel at the upper left, pointing in.
  wedge(cr, c, 225.0, 48.5, 55.0, 4.0, ink::red);
  // Scale: fiftieths of a kilometre, the tenths long and numbered.
  for (int i = 0; i <= 45; ++i) {
    const double value = i * 20.0;
    const double a = needle_angle(kKmRows, kKmPivot, value);
    if (i % 5 == 0)
      tick(cr, c, a, 37.0, 47.0, 1.8, ink::white);
    else
      tick(cr, c, a, 42.5, 47.0, 1.1, ink::white);
    if (i % 5 == 0 && i > 0) {
      const std::string label = "0." + std::to_string(i / 5);
      text(cr, label, Font::condensed_bold, 8.0, polar(c, 29.0, a), ink::white);
    }
  }
  text(cr, "km", Font::sans_bold, 8.0, Point{c.x, 70.0}, ink::white);
  // The counter window's surround.
  cairo_new_path(cr);
  rounded_rect_path(cr, kNotchX0 - 3.0, kNotchY0 - 4.0, kNotchX1 - kNotchX0 + 7.0, kNotchY1 - kNotchY0 + 7.0, 2.0);
  set_colour(cr, Colour{0.40, 0.40, 0.42});
  cairo_fill(cr);
  disc(cr, c, 4.0, Colour{0.30, 0.30, 0.31});
  Image image = canvas.finish(ink_rgb(ink::face));
  image.fill_rect(kNotchX0, kNotchY0, kNotchX1, kNotchY1, kTransparent);
  return image;
}

Image counter_strip(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  set_colour(cr, Colour{kCounterGround.r / 255.0, kCounterGround.g / 255.0, kCounterGround.b / 255.0});
  cairo_paint(cr);
  for (int n = 0; n <= 30; ++n) {
    const double centre = n * kCounterPitch + kCounterWindowWidth / 2.0;
    text(cr, std::to_string(n), Font::condensed_bold, 11.5, Point{centre, h / 2.0}, ink::white);
  }
  return canvas.finish(kCounterGround);
}

// (1,1,1) in a rectangle whose corners are cut off diagonally.
Image counter_window(int w, int h) {
  Image image(w, h, kWindow);
  constexpr int kCut = 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int dx = std::min(x, w - 1 - x);
      const int dy = std::min(y, h - 1 - y);
      if (dx + dy < kCut) image.at(x, y) = kTransparent;
    }
  return image;
}

// Dark counterweight about the pivot (16,10), light pointer along +x.
Image km_needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point p = at(16, 10);
  cairo_new_path(cr);
  blade_path(cr, p.x, w - 8.0, w, p.y, 2.2, 1.5);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, p.x - 3.0, p.y, 7.5, 0, 2 * kPi);
  cairo_rectangle(cr, 0.5, p.y - 3.0, p.x, 6.0);
  set_colour(cr, Colour{0.24, 0.24, 0.25});
  cairo_fill(cr);
  disc(cr, p, 3.0, Colour{0.45, 0.45, 0.47});
  return canvas.finish(ink_rgb(ink::face));
}

// --- Metre pictures ------------------------------------------------------------

Image metre_backing(int w, int h) {
  Canvas canvas(w, h);
  face(canvas.cr(), at(kMetrePivot), 63.5, Colour{0.06, 0.06, 0.065});
  return canvas.finish(Rgb{16, 16, 18});
}

// A white triangle pointing right: base in column x0 over rows 59 to 69,
// apex in column x0 + 13 on row 64.
Image triangle(int w, int h, int x0) {
  Image image(w, h);
  for (int x = x0; x <= x0 + 13; ++x) {
    const int half = static_cast<int>(std::lround(5.0 * (x0 + 13 - x) / 13.0));
    image.fill_rect(x, 64 - half, x, 64 + half, kPointerWhite);
  }
  return image;
}

Image outer_pointer(int w, int h) { return triangle(w, h, 102); }
Image inner_pointer(int w, int h) { return triangle(w, h, 79); }

void ring_scale(cairo_t* cr, std::span<const CalRow> rows, int step, int last, double r_tick_in, double r_tick_out,
                double r_label, double label_size) {
  const Point c = at(kMetrePivot);
  // The table covers the first half turn; the rest of the ring continues at
  // the same rate.
  const double half_turn = rows.back().value;
  for (int v = 0; v < 2 * static_cast<int>(half_turn); v += step) {
    const double a = v <= half_turn ? needle_angle(rows, kMetrePivot, v)
                                    : needle_angle(rows, kMetrePivot, half_turn) + (v - half_turn) / half_turn * 180.0;
    tick(cr, c, a, r_tick_in, r_tick_out, 1.5, ink::white);
    if (v % (last / 2) == 0)
      text_turned(cr, std::to_string(v), Font::condensed_bold, label_size, polar(c, r_label, a), a + 90.0, ink::white);
  }
}

Image metre_face(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kMetrePivot);
  bezelled_face(cr, c, 64.0, kRim, Colour{0.20, 0.20, 0.215});
  face(cr, c, kInnerGapIn - 0.6, Colour{0.26, 0.26, 0.27});
  ring_scale(cr, kOuterRows, 5, 50, kOuterGapOut - 0.5, kOuterGapOut + 3.5, 58.0, 7.5);
  ring_scale(cr, kInnerRows, 50, 500, kInnerGapOut - 0.5, kInnerGapOut + 2.5, 34.2, 6.5);
  text(cr, "m", Font::sans_bold, 11.0, Point{c.x, c.y + 1.0}, ink::white);
  Image image = canvas.finish(Rgb{30, 30, 32});
  // The gaps the triangles run in, cut exactly.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double d = std::hypot(x + 0.5 - c.x, y + 0.5 - c.y);
      if ((d >= kOuterGapIn && d < kOuterGapOut) || (d >= kInnerGapIn && d < kInnerGapOut))
        image.at(x, y) = kTransparent;
    }
  return image;
}

}  // namespace

void add_altimeters(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                            w    h    bits painter
  out.bitmaps.push_back({vt, 0x3400, "altimeter_km_dial",             114, 124, 8, km_dial});
  out.bitmaps.push_back({vt, 0x3500, "altimeter_km_counter_strip",    592, 18,  8, counter_strip});
  out.bitmaps.push_back({vt, 0x3501, "altimeter_km_counter_window",   17,  14,  8, counter_window});
  out.bitmaps.push_back({vt, 0x3600, "altimeter_km_needle",           58,  21,  8, km_needle});
  out.bitmaps.push_back({vt, 0x3700, "altimeter_m_backing",           128, 128, 8, metre_backing});
  out.bitmaps.push_back({vt, 0x3800, "altimeter_m_outer_pointer",     128, 128, 8, outer_pointer});
  out.bitmaps.push_back({vt, 0x3900, "altimeter_m_inner_pointer",     128, 128, 8, inner_pointer});
  out.bitmaps.push_back({vt, 0x3A00, "altimeter_m_face",              128, 128, 8, metre_face});

  std::vector<double> km_marks;
  for (int i = 0; i <= 45; ++i) km_marks.push_back(i * 20.0);
  out.scales.push_back({0x3400, kKmPivot, kKmRows, km_marks, 43.0, 46.5});
  std::vector<double> outer_marks;
  std::vector<double> inner_marks;
  for (int v = 0; v <= 50; v += 5) outer_marks.push_back(v);
  for (int v = 0; v <= 500; v += 50) inner_marks.push_back(v);
  out.scales.push_back({0x3A00, kMetrePivot, kOuterRows, outer_marks, kOuterGapOut + 0.5, kOuterGapOut + 2.5});
  out.scales.push_back({0x3A00, kMetrePivot, kInnerRows, inner_marks, kInnerGapOut + 0.3, kInnerGapOut + 1.5});
}

}  // namespace artgen
