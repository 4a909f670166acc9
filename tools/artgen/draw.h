// Drawing helpers shared by the gauge families: faces, bezels, screws, glass,
// ticks, lettering and needles. Angles are in degrees, clockwise from +x
// (y down), as the calibration works them out; centres are pixel centres
// (pixel (64,64) is the point 64.5,64.5).
#pragma once

#include <cairo.h>

#include <string>

#include "fonts.h"
#include "image.h"

namespace artgen {

struct Colour {
  double r;
  double g;
  double b;
};

void set_colour(cairo_t* cr, Colour c);
Colour mix(Colour a, Colour b, double t);

// The point of pixel (x, y): its centre.
inline double px(int v) { return v + 0.5; }

}  // namespace artgen
