// Parts that several engine instruments and control panels share: needle
// blades, the indicator lamp pictures, toggle-switch pictures, push buttons,
// the grips of rotary knobs and the square areas of panel layouts. A picture
// that several gauges call the same is drawn here once, by one painter, so the
// copies cannot drift apart.
#pragma once

#include <cairo.h>

#include "draw.h"
#include "image.h"

namespace artgen {

// --- Needles -------------------------------------------------------------------

// A flat blade along +x on the pixel row `axis_row`: from x0 to the tip at
// x_tip, `half_width` either side of the row's centre line, tapering over the
// last `taper` pixels to a point, lit a little brighter on its upper edge.
void needle_blade(cairo_t* cr, double x0, double x_tip, int axis_row, double half_width, double taper,
                  Colour colour);

// --- Lamps ---------------------------------------------------------------------

// Lens tints of the panel lamps.
namespace lens {
inline constexpr Colour smoke{0.42, 0.40, 0.40};  // unlit: smoked glass, no tint
inline constexpr Colour red{0.95, 0.12, 0.08};
inline constexpr Colour green{0.15, 0.92, 0.25};
}  // namespace lens

// Picture painters of a lamp filling its bitmap (32x32 on the panels), pure
// black around the ring. The unlit picture is one for every lamp colour.
Image lamp_unlit(int w, int h);
Image lamp_lit_red(int w, int h);
Image lamp_lit_green(int w, int h);

// --- Toggle switches -------------------------------------------------------------

// A toggle switch centred in a w x h square: its lever down (off) or up (on),
// pure black around it.
Image toggle_down(int w, int h);
Image toggle_up(int w, int h);

// The same switch drawn onto a panel, centred on `c` (the centre of its
// square), so a panel can show it where its picture will lie.
void panel_toggle(cairo_t* cr, Point c, bool up);

// --- Push buttons ----------------------------------------------------------------

// A round push button of radius r in a knurled chrome collar.
void push_button(cairo_t* cr, Point c, double r, Colour cap);

// --- Rotary knobs ----------------------------------------------------------------

// The grip of a rotary knob, drawn along +x from the shaft and turned by
// `degrees` about it: a bar with a round heel behind the shaft, narrowing from
// the shoulder to a flat tip, shaded from the upper left, outlined, with a
// white line along it towards the tip.
struct KnobGrip {
  double heel;           // x of the heel's centre (behind the shaft: negative)
  double heel_half;      // half-width at the heel, the heel's radius
  double shoulder;       // x where the taper begins
  double shoulder_half;  // half-width there
  double tip;            // x of the flat tip
  double tip_half;       // half-width of the tip
  double shade_reach;    // the shading runs across shaft -/+ this on both axes
  Colour light;          // shading at the upper left
  Colour dark;           // and at the lower right
  Colour outline;
  double line_from;      // the white line, as distances from the shaft
  double line_to;
};

void knob_grip(cairo_t* cr, Point shaft, double degrees, const KnobGrip& grip);

// --- Panel layout ----------------------------------------------------------------

// A square area of a control panel: where a click goes and an icon picture lies.
struct Square {
  int x;  // top-left corner on the panel
  int y;
  int size;
};

inline Point centre(const Square& s) { return Point{s.x + s.size / 2.0, s.y + s.size / 2.0}; }

}  // namespace artgen
