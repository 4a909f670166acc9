// "Turn Coordinator": a dial with an index mark at the top, L and R legends
// and a curved tube across its lower part; the ball rides the tube on an
// invisible arm pivoted at the top index, and the turn pointer stands on a
// pivot below the tube.
#include <cmath>

#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kBallPivot{64, 13};
constexpr Pivot kPointerPivot{64, 112};

// point (dial pixels)  value (host variable 69); stored from the high value down
constexpr CalRow kBallRows[] = {
    {94, 88,            127.0},   // right end of the tube
    {64, 96,            0.0},     // centre, between the centre lines
    {32, 88,            -127.0},  // left end of the tube
};

// point (dial pixels)  value (host variable 70)
constexpr CalRow kPointerRows[] = {
    {18, 47,            -3600.0},  // top of the legend L
    {64, 14,            0.0},      // the top index mark
    {107, 47,           3600.0},   // top of the legend R
};

// --- Geometry shared by the dial and the ball ------------------------------------

// The ball's centre runs on a circle about the ball pivot: the ball bitmap's
// centre column 82 is 81 pixels out from its pivot column 1.
constexpr double kBallArm = 81.0;
constexpr double kBallRadius = 6.5;
constexpr double kTubeHalfWidth = 8.0;

double ball_angle(double value) { return needle_angle(kBallRows, kBallPivot, value); }

// --- Pictures --------------------------------------------------------------------

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c{64.0, 64.0};
  screwed_plate(cr, w, h, 8.0, 9.0, 4.2);
  bezelled_face(cr, c, 60.0, 54.5);

  // The tube: a white band along the ball's arc, a little longer than the
  // ball's travel, with rounded ends and shading along its edges.
  const Point bp = at(kBallPivot);
  const double a0 = ball_angle(127.0) - 5.5;
  const double a1 = ball_angle(-127.0) + 5.5;
  cairo_new_path(cr);
  cairo_arc(cr, bp.x, bp.y, kBallArm + kTubeHalfWidth, radians(a0), radians(a1));
  cairo_arc_negative(cr, bp.x, bp.y, kBallArm - kTubeHalfWidth, radians(a1), radians(a0));
  cairo_close_path(cr);
  set_colour(cr, Colour{0.30, 0.30, 0.31});
  cairo_set_line_width(cr, 2.0);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(bp.x, bp.y, kBallArm - kTubeHalfWidth, bp.x, bp.y,
                                                   kBallArm + kTubeHalfWidth);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.70, 0.72, 0.72);
  cairo_pattern_add_color_stop_rgb(p, 0.35, 0.96, 0.96, 0.94);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.74, 0.75, 0.74);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Two dark centre lines, just clear of the ball at rest.
  const double half = (kBallRadius + 1.2) / kBallArm * 180.0 / kPi;
  for (const double a : {ball_angle(0.0) - half, ball_angle(0.0) + half})
    tick(cr, bp, a, kBallArm - kTubeHalfWidth, kBallArm + kTubeHalfWidth, 1.4, Colour{0.15, 0.15, 0.16});

  // The index mark at the top and the L and R legends, with a short index
  // where the pointer stands at full deflection.
  const Point pp = at(kPointerPivot);
  tick(cr, pp, needle_angle(kPointerRows, kPointerPivot, 0.0), 94.0, 103.0, 3.0, ink::white);
  for (const double v : {-3600.0, 3600.0})
    tick(cr, pp, needle_angle(kPointerRows, kPointerPivot, v), 81.0, 88.0, 2.4, ink::white);
  text(cr, "L", Font::sans_bold, 14.0, Point{18.5, 47.0 + 5.5}, ink::white);
  text(cr, "R", Font::sans_bold, 14.0, Point{107.5, 47.0 + 5.5}, ink::white);
  text(cr, "TURN", Font::condensed_bold, 7.0, Point{64.5, 40.0}, ink::white);
  text(cr, "2 MIN", Font::condensed_bold, 6.0, Point{64.5, 49.0}, Colour{0.75, 0.75, 0.72});
  // The pointer's pivot boss.
  disc(cr, pp, 6.0, Colour{0.25, 0.25, 0.26});
  return canvas.finish(ink_rgb(ink::face));
}

// The ball at the far end of an invisible arm: shaded, lit from above.
Image ball(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point b = at(82, 6);
  cairo_pattern_t* p = cairo_pattern_create_radial(b.x - 2.0, b.y - 2.5, 0.5, b.x, b.y, kBallRadius);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.75, 0.75, 0.78);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 0.22, 0.22, 0.24);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.07, 0.07, 0.08);
  fill_disc(cr, b, kBallRadius, p);
  return canvas.finish(Rgb{240, 240, 236});
}

// A thin rod from the pivot (7,5) along +x with a light rectangular tip.
Image pointer(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point p = at(7, 5);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0.5, p.y - 1.0, w - 12.0, 2.0);
  set_colour(cr, Colour{0.82, 0.82, 0.80});
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, w - 13.0, p.y - 2.5, 13.0, 5.0);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  disc(cr, p, 5.0, Colour{0.35, 0.35, 0.36});
  disc(cr, Point{p.x - 1.0, p.y - 1.0}, 2.2, Colour{0.62, 0.62, 0.64});
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_turn_coordinator(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role            w    h    bits painter
  out.bitmaps.push_back({vt, 0x4F00, "turn_dial",    128, 128, 8, dial});
  out.bitmaps.push_back({vt, 0x5000, "turn_ball",    90,  14,  8, ball});
  out.bitmaps.push_back({vt, 0x5100, "turn_pointer", 86,  11,  8, pointer});

  out.scales.push_back({0x4F00, kPointerPivot, kPointerRows, {-3600.0, 3600.0}, 82.0, 87.0});
  out.scales.push_back({0x4F00, kPointerPivot, kPointerRows, {0.0}, 95.0, 102.0});
}

}  // namespace artgen
