// "Engine0 Ignition" and "Engine1 Ignition": a plain dark strip, and four
// pictures of the two ignition toggle switches (first at the left, second in
// the middle, each up or down) with the red starter button at the right.
// Engine 1 carries the same five pictures as engine 0.
#include "canvas.h"
#include "draw.h"
#include "families.h"
#include "parts.h"

namespace artgen {

namespace {

// --- Layout ----------------------------------------------------------------------

// The three click areas, across the strip's full height.
//                                  x    y  size
constexpr Square kFirstSwitch{0,   0, 64};
constexpr Square kSecondSwitch{70,  0, 64};
constexpr Square kStarter{140, 0, 64};

// --- Pictures --------------------------------------------------------------------

Image strip(int w, int h) {
  Canvas canvas(w, h);
  case_plate(canvas.cr(), 0, 0, w, h, 4.0, Colour{0.13, 0.135, 0.13});
  return canvas.finish(ink_rgb(ink::panel));
}

void switch_with_legend(cairo_t* cr, const Square& area, const char* number, bool up) {
  const Point c = centre(area);
  text(cr, number, Font::sans_bold, 12.0, Point{area.x + 9.0, c.y}, ink::white);
  text(cr, "ON", Font::condensed_bold, 8.0, Point{area.x + 53.0, 9.0}, ink::white);
  text(cr, "OFF", Font::condensed_bold, 8.0, Point{area.x + 53.0, 55.0}, ink::white);
  panel_toggle(cr, c, up);
}

// State bit 0 is the first switch, bit 1 the second.
Image panel(int state) {
  Canvas canvas(208, 64);
  cairo_t* cr = canvas.cr();
  switch_with_legend(cr, kFirstSwitch, "1", (state & 1) != 0);
  switch_with_legend(cr, kSecondSwitch, "2", (state & 2) != 0);
  const Point s = centre(kStarter);
  push_button(cr, Point{s.x, s.y - 4.0}, 19.0, ink::red);
  text(cr, "START", Font::condensed_bold, 8.0, Point{s.x, 58.0}, ink::white);
  return canvas.finish(Rgb{33, 34, 33});
}

Image both_off(int, int) { return panel(0); }
Image first_on(int, int) { return panel(1); }
Image second_on(int, int) { return panel(2); }
Image both_on(int, int) { return panel(3); }

}  // namespace

void add_ignition(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                    w    h   bits painter
  out.bitmaps.push_back({vt, 0x5700, "ignition0_strip",      208, 64, 8, strip});
  out.bitmaps.push_back({vt, 0x5800, "ignition0_both_off",   208, 64, 8, both_off});
  out.bitmaps.push_back({vt, 0x5801, "ignition0_first_on",   208, 64, 8, first_on});
  out.bitmaps.push_back({vt, 0x5802, "ignition0_second_on",  208, 64, 8, second_on});
  out.bitmaps.push_back({vt, 0x5803, "ignition0_both_on",    208, 64, 8, both_on});
  out.bitmaps.push_back({vt, 0x5900, "ignition1_strip",      208, 64, 8, strip});
  out.bitmaps.push_back({vt, 0x5A00, "ignition1_both_off",   208, 64, 8, both_off});
  out.bitmaps.push_back({vt, 0x5A01, "ignition1_first_on",   208, 64, 8, first_on});
  out.bitmaps.push_back({vt, 0x5A02, "ignition1_second_on",  208, 64, 8, second_on});
  out.bitmaps.push_back({vt, 0x5A03, "ignition1_both_on",    208, 64, 8, both_on});
}

}  // namespace artgen
