#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

#ifndef ARTGEN_FONT_DIR
#define ARTGEN_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

const char* file_of(Font font) {
  switch (font) {
    case Font::sans: return "DejaVuSans.ttf";
    case Font::sans_bold: return "DejaVuSans-Bold.ttf";
    case Font::condensed_bold: return "DejaVuSansCondensed-Bold.ttf";
    case Font::serif_bold: return "DejaVuSerif-Bold.ttf";
    case Font::mono_bold: return "DejaVuSansMono-Bold.ttf";
  }
  return "DejaVuSans.ttf";
}

// The faces live as long as the program: cairo keeps referring to them.
class Faces {
 public:
  Faces() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
  }
  cairo_font_face_t* get(Font font) {
    auto& slot = faces_[static_cast<std::size_t>(font)];
    if (slot == nullptr) {
      const std::string path = std::string(ARTGEN_FONT_DIR) + "/" + file_of(font);
      FT_Face face = nullptr;
      if (FT_New_Face(library_, path.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot load font " + path);
      slot = cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    return slot;
  }

 private:
  FT_Library library_ = nullptr;
  std::array<cairo_font_face_t*, 5> faces_{};
};

Faces& faces() {
  static Faces instance;
  return instance;
}

}  // namespace

void set_font(cairo_t* cr, Font font, double size) {
  cairo_set_font_face(cr, faces().get(font));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

}  // namespace artgen
