// Lettering: the DejaVu faces, loaded from the system's font files through
// FreeType, with fixed rendering options so that every run draws the same.
#pragma once

#include <cairo.h>

namespace artgen {

enum class Font { sans, sans_bold, condensed_bold, serif_bold, mono_bold };

// Selects `font` at `size` pixels (em) on `cr`.
void set_font(cairo_t* cr, Font font, double size);

}  // namespace artgen
