// Drawing helpers shared by the gauge families: faces, bezels, screws, glass,
// ticks, lettering, lamps and switches. Angles are in degrees, clockwise from
// +x (y down), as the calibration works them out. A pixel's point is its
// centre: pixel (64,64) is the point (64.5, 64.5); `at(x, y)` converts.
#pragma once

#include <cairo.h>

#include <string>

#include "calibration.h"
#include "fonts.h"
#include "image.h"

namespace artgen {

struct Colour {
  double r;
  double g;
  double b;
};

struct Point {
  double x;
  double y;
};

// The point of pixel (x, y).
inline Point at(int x, int y) { return Point{x + 0.5, y + 0.5}; }
inline Point at(Pivot p) { return at(p.x, p.y); }

// Point at `radius` from `centre` in direction `degrees`.
Point polar(Point centre, double radius, double degrees);

// The house palette. Nothing here is pure black.
namespace ink {
inline constexpr Colour face{0.09, 0.09, 0.10};       // instrument face
inline constexpr Colour face_blue{0.10, 0.12, 0.16};  // blue-grey face
inline constexpr Colour white{0.94, 0.93, 0.88};      // markings
inline constexpr Colour red{0.86, 0.16, 0.12};
inline constexpr Colour green{0.20, 0.80, 0.30};
inline constexpr Colour yellow{0.95, 0.80, 0.15};
inline constexpr Colour panel{0.16, 0.17, 0.16};      // cockpit panel paint
inline constexpr Colour metal_light{0.62, 0.63, 0.64};
inline constexpr Colour metal_dark{0.16, 0.16, 0.17};
inline constexpr Colour shadow{0.04, 0.04, 0.045};
}  // namespace ink

void set_colour(cairo_t* cr, Colour c, double alpha = 1.0);
Rgb ink_rgb(Colour c);
Colour mix(Colour a, Colour b, double t);

// --- Shapes ------------------------------------------------------------------

void disc(cairo_t* cr, Point c, double r, Colour colour);

// Fills the disc of radius r about c with `pattern` and releases the pattern;
// with `keep_outline` the disc's outline stays the current path, to be stroked.
void fill_disc(cairo_t* cr, Point c, double r, cairo_pattern_t* pattern, bool keep_outline = false);

// A disc lit from the upper left: shaded along the diagonal from `light` at
// its upper left (through `mid` halfway) to `dark` at its lower right.
void shaded_disc(cairo_t* cr, Point c, double r, Colour light, Colour dark);
void shaded_disc(cairo_t* cr, Point c, double r, Colour light, Colour mid, Colour dark);

void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double radius);

// An instrument face: a disc with a faint sheen towards the upper left.
void face(cairo_t* cr, Point c, double r, Colour colour = ink::face);

// A round bezel between r_inner and r_outer: turned metal lit from the upper
// left, with a dark lip where it meets the face.
void bezel(cairo_t* cr, Point c, double r_outer, double r_inner);

// A square instrument case (rounded corners) of painted metal.
void case_plate(cairo_t* cr, double x, double y, double w, double h, double corner, Colour colour = ink::panel);

// A case plate filling a w x h picture, with a screw of radius `screw_r`
// `inset` pixels in from each corner.
void screwed_plate(cairo_t* cr, int w, int h, double corner, double inset, double screw_r);

// A round dial: the bezel between r_outer and the face's radius, and the face.
void bezelled_face(cairo_t* cr, Point c, double r_outer, double r_face, Colour colour = ink::face);

// The bezel of a dial whose face lies below, and the glint of the glass just
// inside it.
void glazed_bezel(cairo_t* cr, Point c, double r_outer, double r_face);

// A slotted screw head.
void screw(cairo_t* cr, Point c, double r, double slot_degrees = 35.0);

// The glint of glass over a face: a thin pale crescent near the rim at the
// upper left. Opaque, so keep it outside the needles' sweep where possible.
void glass_glint(cairo_t* cr, Point c, double r);

// --- Scales ------------------------------------------------------------------

// A radial tick from r_in to r_out in direction `degrees`.
void tick(cairo_t* cr, Point c, double degrees, double r_in, double r_out, double width, Colour colour);

// A triangular mark on a radius in direction `degrees`: its tip at r_tip, its
// base at r_base, spanning `half_spread` degrees either side.
void wedge(cairo_t* cr, Point c, double degrees, double r_tip, double r_base, double half_spread, Colour colour);

// An arc band between r_in and r_out from a0 to a1 degrees (clockwise).
void arc_band(cairo_t* cr, Point c, double r_in, double r_out, double a0, double a1, Colour colour);

// --- Needles -----------------------------------------------------------------

// Adds a pointed blade along +x on the line y to the path: from x0, where it
// is `half` either side of the line, narrowing to `shoulder_half` at
// x_shoulder, to a point at x_tip.
void blade_path(cairo_t* cr, double x0, double x_shoulder, double x_tip, double y, double half,
                double shoulder_half);

// --- Lettering ---------------------------------------------------------------

struct TextBox {
  double width;
  double height;
};

TextBox measure(cairo_t* cr, const std::string& text, Font font, double size);

// Text whose ink box is centred on `centre`.
void text(cairo_t* cr, const std::string& s, Font font, double size, Point centre, Colour colour);

// Text centred on `centre`, turned by `degrees` about it.
void text_turned(cairo_t* cr, const std::string& s, Font font, double size, Point centre, double degrees,
                 Colour colour);

// --- Controls ----------------------------------------------------------------

// A round indicator lamp: chrome ring, lens dark or lit.
void lamp(cairo_t* cr, Point c, double r, Colour lens, bool lit);

// A bat-handle toggle switch seated at `c` with its lever up or down.
void toggle_switch(cairo_t* cr, Point c, double scale, bool up);

// A setting knob seen from the front, below a round instrument: a rounded
// block centred on column cx, shaded from `light` at its left to `dark` at its
// right, with dark knurl lines every 2 pixels within knurl_half of cx.
struct SettingKnob {
  double top;
  double width;
  double height;
  double corner;
  Colour light;
  Colour dark;
  double knurl_half;
  double knurl_top;
  double knurl_bottom;
};

void setting_knob(cairo_t* cr, double cx, const SettingKnob& knob);

}  // namespace artgen
