// "Artificial Horizon": a bezel with a dome-shaped opening, the sky-and-ground
// texture the host moves and turns behind the dome-shaped window, and the
// fixed aircraft symbol over it. The texture, the window and the symbol are
// drawn pixel by pixel: their rows and columns are facts the host relies on.
#include <cmath>

#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- The dome ------------------------------------------------------------------

// Columns 32 to 96, rows 33 to 95: a semicircle of radius 32.3 about
// (64, 65.2) in pixel indices above a flat-bottomed rectangle. 3609 pixels.
constexpr int kDomeLeft = 32;
constexpr int kDomeRight = 96;
constexpr int kDomeBottom = 95;
constexpr double kDomeCentreX = 64.0;
constexpr double kDomeCentreY = 65.2;
constexpr double kDomeRadius = 32.3;

bool in_dome(int x, int y) {
  if (x < kDomeLeft || x > kDomeRight || y > kDomeBottom) return false;
  if (y >= kDomeCentreY) return true;
  const double dx = x - kDomeCentreX;
  const double dy = y - kDomeCentreY;
  return dx * dx + dy * dy <= kDomeRadius * kDomeRadius;
}

// --- Texture rows and columns ------------------------------------------------------

constexpr int kHorizonRow = 63;  // sky above, ground below

struct LadderLine {
  int row;
  int x0;
  int x1;
};

// row  columns
constexpr LadderLine kLadder[] = {
    {7,   56, 72},
    {15,  48, 79},
    {23,  56, 72},
    {31,  48, 79},
    {39,  56, 72},
    {47,  48, 79},
    {55,  56, 72},
};

constexpr Rgb kHorizonLine{236, 236, 228};
constexpr Rgb kLadderInk{232, 220, 140};
constexpr Rgb kGround{62, 60, 58};
constexpr Rgb kGroundLine{226, 196, 40};
constexpr Rgb kOpening{20, 24, 32};  // the bezel's opening, under the window
constexpr Rgb kSymbol{246, 244, 236};
constexpr Rgb kSymbolShade{150, 150, 146};

// --- Pictures --------------------------------------------------------------------

Image bezel_picture(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c{64.0, 64.0};
  bezel(cr, c, 63.8, 57.0);
  // The mask around the dome: a dark painted plate.
  face(cr, c, 57.0, Colour{0.13, 0.13, 0.14});
  // Index marks at the top, left, right and bottom of the opening.
  const Colour mark = ink::white;
  cairo_set_line_width(cr, 2.0);
  set_colour(cr, mark);
  cairo_new_path(cr);
  cairo_move_to(cr, 64.5, 25.0);
  cairo_line_to(cr, 64.5, 31.0);
  cairo_move_to(cr, 24.0, 65.5);
  cairo_line_to(cr, 30.0, 65.5);
  cairo_move_to(cr, 99.0, 65.5);
  cairo_line_to(cr, 105.0, 65.5);
  cairo_move_to(cr, 64.5, 97.0);
  cairo_line_to(cr, 64.5, 103.0);
  cairo_stroke(cr);
  // A bevel around the opening, so it reads as cut into the plate.
  cairo_new_path(cr);
  cairo_arc(cr, kDomeCentreX + 0.5, kDomeCentreY + 0.5, kDomeRadius + 1.2, kPi, 2 * kPi);
  cairo_line_to(cr, kDomeRight + 1.7, kDomeBottom + 1.7);
  cairo_line_to(cr, kDomeLeft - 0.7, kDomeBottom + 1.7);
  cairo_close_path(cr);
  set_colour(cr, Colour{0.42, 0.42, 0.44});
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  Image image = canvas.finish(Rgb{34, 34, 36});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (in_dome(x, y)) image.at(x, y) = kOpening;
  return image;
}

Rgb sky(int row) {
  // Deep blue at the top, paler towards the horizon.
  const double t = row / static_cast<double>(kHorizonRow - 1);
  auto lerp = [t](double a, double b) { return static_cast<std::uint8_t>(std::lround(a + (b - a) * t)); };
  return Rgb{lerp(24, 120), lerp(62, 176), lerp(150, 236)};
}

Image texture(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  // Perspective lines fanning out from the middle of the horizon, drawn
  // anti-aliased over the ground only.
  cairo_set_source_rgb(cr, kGround.r / 255.0, kGround.g / 255.0, kGround.b / 255.0);
  cairo_rectangle(cr, 0, kHorizonRow + 1, w, h - kHorizonRow - 1);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, kHorizonRow + 1, w, h - kHorizonRow - 1);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, kGroundLine.r / 255.0, kGroundLine.g / 255.0, kGroundLine.b / 255.0);
  cairo_set_line_width(cr, 1.0);
  for (const int spread : {-96, -48, -22, 22, 48, 96}) {
    cairo_new_path(cr);
    cairo_move_to(cr, 64.5, kHorizonRow + 0.5);
    cairo_line_to(cr, 64.5 + spread * 1.6, h + 0.5 + 64.0);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  Image image = canvas.finish(kGround);

  for (int y = 0; y < kHorizonRow; ++y)
    for (int x = 0; x < w; ++x) image.at(x, y) = sky(y);
  for (const LadderLine& l : kLadder)
    for (int x = l.x0; x <= l.x1; ++x) image.at(x, l.row) = kLadderInk;
  for (int x = 0; x < w; ++x) image.at(x, kHorizonRow) = kHorizonLine;
  for (int y = kHorizonRow + 1; y < h; ++y) image.at(64, y) = kGroundLine;
  return image;
}

Image window(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (in_dome(x, y)) image.at(x, y) = kWindow;
  return image;
}

// Wings from column 44 to 84 in rows 63 and 64, shaded below, with a dot on
// the centre from row 60 to row 67.
Image aircraft(int w, int h) {
  Image image(w, h);
  image.fill_rect(44, 63, 58, 64, kSymbol);
  image.fill_rect(70, 63, 84, 64, kSymbol);
  image.fill_rect(44, 65, 58, 65, kSymbolShade);
  image.fill_rect(70, 65, 84, 65, kSymbolShade);
  // Wing tips bend down.
  image.fill_rect(44, 66, 45, 67, kSymbolShade);
  image.fill_rect(83, 66, 84, 67, kSymbolShade);
  // The centre dot: rows 60 to 67, columns 61 to 67.
  for (int y = 60; y <= 67; ++y)
    for (int x = 60; x <= 68; ++x) {
      const double dx = x - 64.0;
      const double dy = y - 63.5;
      if (dx * dx + dy * dy <= 4.2 * 4.2) image.at(x, y) = dy > 2.0 ? kSymbolShade : kSymbol;
    }
  return image;
}

}  // namespace

void add_horizon(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                w    h    bits painter
  out.bitmaps.push_back({vt, 0x1C00, "horizon_bezel",    128, 128, 24, bezel_picture});
  out.bitmaps.push_back({vt, 0x1D00, "horizon_texture",  128, 128, 8,  texture});
  out.bitmaps.push_back({vt, 0x1D01, "horizon_window",   128, 128, 8,  window});
  out.bitmaps.push_back({vt, 0x1E00, "horizon_aircraft", 128, 128, 8,  aircraft});
}

}  // namespace artgen
