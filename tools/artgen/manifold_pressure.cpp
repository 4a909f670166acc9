// "Manifold Pressure 0" and "Manifold Pressure 1": a square case with four
// corner screws round a circular scale of atmospheres absolute, 0.6 at the
// lower left clockwise over the top to 1.8 at the bottom, red along the high
// end, a large hub, and ATA below it; a light needle with a dark
// counterweight. There is no overlay: the needle is drawn last.
#include <cstdio>

#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kPivot{64, 64};

// point (dial pixels)  value (host variables 391 and 430)
constexpr CalRow kRows[] = {
    {63, 127,           0.0},
    {43, 86,            1270.0},   // 0.6 ata, the scale's start
    {62, 86,            3811.0},   // 1.8 ata, its end
};

// The printed scale, in atmospheres absolute, and the host value of a
// reading: the scale's ends are the table's rows 1 and 2.
constexpr double kLowAta = 0.6;
constexpr double kHighAta = 1.8;
constexpr double kRedFromAta = 1.6;

double value_of(double ata) {
  return kRows[1].value + (ata - kLowAta) / (kHighAta - kLowAta) * (kRows[2].value - kRows[1].value);
}

// Marks every 0.05 ata: the tenths longer, the numbered fifths longest.
constexpr int kTwentiethsOnScale = 24;

// --- Pictures --------------------------------------------------------------------

constexpr double kBezelOuter = 61.5;
constexpr double kFaceRadius = 55.5;
// The needle reaches 36 pixels from the pivot: into the graduations.
constexpr double kTickOuter = 39.0;
constexpr double kMajorInner = 27.0;
constexpr double kTenthInner = 31.0;
constexpr double kMinorInner = 34.5;
constexpr double kNumeralRadius = 48.5;
constexpr double kHubRadius = 11.0;

Image dial(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kPivot);
  screwed_plate(cr, w, h, 6.0, 8.5, 4.2);
  bezelled_face(cr, c, kBezelOuter, kFaceRadius);
  // Red along the high end, just outside the graduations.
  arc_band(cr, c, kTickOuter + 0.5, kTickOuter + 3.0, needle_angle(kRows, kPivot, value_of(kRedFromAta)),
           needle_angle(kRows, kPivot, value_of(kHighAta)), ink::red);
  for (int i = 0; i <= kTwentiethsOnScale; ++i) {
    const double a = needle_angle(kRows, kPivot, value_of(kLowAta + i * 0.05));
    const double inner = i % 4 == 0 ? kMajorInner : i % 2 == 0 ? kTenthInner : kMinorInner;
    tick(cr, c, a, inner, kTickOuter, i % 4 == 0 ? 2.2 : 1.3, ink::white);
  }
  for (int i = 0; i <= kTwentiethsOnScale; i += 4) {
    const double ata = kLowAta + i * 0.05;
    char label[8];
    std::snprintf(label, sizeof label, "%.1f", ata);
    const double a = needle_angle(kRows, kPivot, value_of(ata));
    text(cr, label, Font::condensed_bold, 9.5, polar(c, kNumeralRadius, a), ink::white);
  }
  text(cr, "ATA", Font::sans_bold, 8.0, Point{c.x, c.y + 22.0}, ink::white);
  // The hub: a turned boss the needle's counterweight sits on.
  disc(cr, c, kHubRadius + 1.0, ink::shadow);
  shaded_disc(cr, c, kHubRadius, Colour{0.72, 0.72, 0.72}, Colour{0.30, 0.30, 0.31});
  glass_glint(cr, c, kFaceRadius - 0.5);
  return canvas.finish(ink_rgb(ink::face));
}

// A light shaft from a dark counterweight round the pivot (15, 8).
Image needle(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  constexpr int kAxisRow = 8;
  const Point pivot = at(15, kAxisRow);
  // Counterweight: a rounded tail behind the pivot and a disc on it.
  cairo_new_path(cr);
  rounded_rect_path(cr, 1.0, pivot.y - 3.5, pivot.x, 7.0, 3.5);
  set_colour(cr, Colour{0.20, 0.20, 0.21});
  cairo_fill(cr);
  disc(cr, pivot, 7.0, Colour{0.20, 0.20, 0.21});
  needle_blade(cr, pivot.x, w, kAxisRow, 1.8, 8.0, ink::white);
  disc(cr, pivot, 3.0, Colour{0.55, 0.55, 0.56});
  return canvas.finish(ink_rgb(ink::face));
}

}  // namespace

void add_manifold_pressure(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                 w    h    bits painter
  out.bitmaps.push_back({vt, 0x4B00, "manifold0_dial",    128, 128, 8, dial});
  out.bitmaps.push_back({vt, 0x4C00, "manifold0_needle",  51,  17,  8, needle});
  out.bitmaps.push_back({vt, 0x4D00, "manifold1_dial",    128, 128, 8, dial});
  out.bitmaps.push_back({vt, 0x4E00, "manifold1_needle",  51,  17,  8, needle});

  std::vector<double> marks;
  for (int i = 0; i <= kTwentiethsOnScale; ++i) marks.push_back(value_of(kLowAta + i * 0.05));
  for (const int id : {0x4B00, 0x4D00})
    out.scales.push_back({id, kPivot, kRows, marks, kMinorInner + 0.5, kTickOuter - 0.5});
}

}  // namespace artgen
