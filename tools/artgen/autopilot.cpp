// "Autopilot": a dark panel lettered AUTO at the top right over its lamp,
// with four toggle switches in two rows of two. The panel shows the lamp
// unlit and every lever down, exactly where the icon pictures lie; the
// switch and lamp pictures are the shared ones.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Layout ----------------------------------------------------------------------

constexpr Square kLamp{96, 16, 32};
//                                  x   y    size
constexpr Square kSwitches[] = {{80, 48,  64},   // upper right
                                {0,  48,  64},   // upper left
                                {0,  128, 64},   // lower left
                                {80, 128, 64}};  // lower right

// --- Pictures --------------------------------------------------------------------

Image panel(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  case_plate(cr, 0, 0, w, h, 5.0);
  for (const Point s : {Point{8, 8}, Point{8, 120}, Point{136, 120}, Point{72, 184}}) screw(cr, s, 3.5);
  text(cr, "AUTO", Font::sans_bold, 11.0, Point{centre(kLamp).x, 8.5}, ink::white);
  // A recessed well for each switch, and the row and column rules between them.
  for (const Square& s : kSwitches) {
    cairo_new_path(cr);
    rounded_rect_path(cr, s.x + 4.5, s.y + 4.5, s.size - 9.0, s.size - 9.0, 5.0);
    set_colour(cr, mix(ink::panel, ink::shadow, 0.35));
    cairo_fill_preserve(cr);
    set_colour(cr, mix(ink::panel, Colour{1, 1, 1}, 0.18));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const Point c = centre(s);
    text(cr, "ON", Font::condensed_bold, 7.0, Point{c.x + 20.0, s.y + 11.0}, ink::white);
    text(cr, "OFF", Font::condensed_bold, 7.0, Point{c.x + 20.0, s.y + s.size - 11.0}, ink::white);
    panel_toggle(cr, c, false);
  }
  lamp(cr, centre(kLamp), kLamp.size / 2.0 - 0.5, lens::smoke, false);
  return canvas.finish(ink_rgb(ink::panel));
}

}  // namespace

void add_autopilot(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                           w    h    bits painter
  out.bitmaps.push_back({vt, 0x5B00, "autopilot_panel",             144, 192, 24, panel});
  out.bitmaps.push_back({vt, 0x5C00, "autopilot_lamp_dark",         32,  32,  8,  lamp_unlit});
  out.bitmaps.push_back({vt, 0x5C01, "autopilot_lamp_lit",          32,  32,  8,  lamp_lit_red});
  out.bitmaps.push_back({vt, 0x5D00, "autopilot_upper_right_down",  64,  64,  8,  toggle_down});
  out.bitmaps.push_back({vt, 0x5D01, "autopilot_upper_right_up",    64,  64,  8,  toggle_up});
  out.bitmaps.push_back({vt, 0x5E00, "autopilot_upper_left_down",   64,  64,  8,  toggle_down});
  out.bitmaps.push_back({vt, 0x5E01, "autopilot_upper_left_up",     64,  64,  8,  toggle_up});
  out.bitmaps.push_back({vt, 0x5F00, "autopilot_lower_left_down",   64,  64,  8,  toggle_down});
  out.bitmaps.push_back({vt, 0x5F01, "autopilot_lower_left_up",     64,  64,  8,  toggle_up});
  out.bitmaps.push_back({vt, 0x6000, "autopilot_lower_right_down",  64,  64,  8,  toggle_down});
  out.bitmaps.push_back({vt, 0x6001, "autopilot_lower_right_up",    64,  64,  8,  toggle_up});
}

}  // namespace artgen
