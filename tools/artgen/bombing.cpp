// "Bombing Controls": a dark panel with a red legend at the top, the arming
// toggle switch at the lower left under a red and a green lamp, and two red
// release buttons at the right. The panel shows the lamps unlit and the
// lever down where their pictures lie; lamp and switch pictures are shared.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Layout ----------------------------------------------------------------------

//                                   x   y    size
constexpr Square kSwitch{0,  128, 64};
constexpr Square kRedLamp{16, 48,  32};
constexpr Square kGreenLamp{16, 80,  32};
constexpr Square kButtons[] = {{80, 48,  64},   // upper release button
                               {80, 128, 64}};  // lower release button

// --- Pictures --------------------------------------------------------------------

Image panel(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  case_plate(cr, 0, 0, w, h, 5.0);
  for (const Point s : {Point{8, 8}, Point{136, 8}, Point{8, 200}, Point{136, 200}}) screw(cr, s, 3.5);
  // The red legend on a dark band.
  cairo_new_path(cr);
  rounded_rect_path(cr, 16.5, 8.5, 111.0, 30.0, 4.0);
  set_colour(cr, mix(ink::panel, ink::shadow, 0.6));
  cairo_fill(cr);
  text(cr, "BOMBS", Font::sans_bold, 19.0, Point{72.0, 23.5}, ink::red);
  for (const Square& b : kButtons) {
    const Point c = centre(b);
    push_button(cr, c, 22.0, ink::red);
    text(cr, "RELEASE", Font::condensed_bold, 7.0, Point{c.x, b.y + b.size - 4.0}, ink::white);
  }
  text(cr, "ARM", Font::condensed_bold, 7.0, Point{centre(kSwitch).x + 21.0, kSwitch.y + 9.0}, ink::white);
  text(cr, "SAFE", Font::condensed_bold, 7.0, Point{centre(kSwitch).x + 21.0, kSwitch.y + kSwitch.size - 9.0},
       ink::white);
  panel_toggle(cr, centre(kSwitch), false);
  for (const Square& l : {kRedLamp, kGreenLamp}) lamp(cr, centre(l), l.size / 2.0 - 0.5, lens::smoke, false);
  return canvas.finish(ink_rgb(ink::panel));
}

}  // namespace

void add_bombing(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                        w    h    bits painter
  out.bitmaps.push_back({vt, 0x6500, "bombing_panel",            144, 208, 8, panel});
  out.bitmaps.push_back({vt, 0x6600, "bombing_red_lamp_dark",    32,  32,  8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6601, "bombing_red_lamp_lit",     32,  32,  8, lamp_lit_red});
  out.bitmaps.push_back({vt, 0x6700, "bombing_switch_down",      64,  64,  8, toggle_down});
  out.bitmaps.push_back({vt, 0x6701, "bombing_switch_up",        64,  64,  8, toggle_up});
  out.bitmaps.push_back({vt, 0x6800, "bombing_green_lamp_dark",  32,  32,  8, lamp_unlit});
  out.bitmaps.push_back({vt, 0x6801, "bombing_green_lamp_lit",   32,  32,  8, lamp_lit_green});
}

}  // namespace artgen
