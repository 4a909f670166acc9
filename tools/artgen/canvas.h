// A cairo drawing surface the size of one bitmap, and its conversion to the
// keyed-transparency picture the host draws.
#pragma once

#include <cairo.h>

#include "image.h"

namespace artgen {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The finished picture. Pixels less than half covered become pure black
  // (transparent); the rest are laid over `matte`, the colour they will most
  // often be seen against, so their anti-aliased edges blend towards it.
  // Nothing drawn ever comes out pure black: the darkest visible colour is
  // lifted to kDarkest.
  Image finish(Rgb matte = Rgb{40, 40, 40}) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// The darkest colour a visible pixel may take; anything darker would risk
// collapsing into the transparent colour.
inline constexpr Rgb kDarkest{6, 6, 6};

// Lifts a colour that would read as transparent to kDarkest.
Rgb visible(Rgb colour);

}  // namespace artgen
