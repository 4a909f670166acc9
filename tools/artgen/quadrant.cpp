// "Engine Controls" (module quadrant): a cast quadrant with three pairs of
// lever slots, and the six lever knobs that slide up and down them. The
// pairs are told apart by knob colour: grey, blue and red from the left.
#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Layout ------------------------------------------------------------------

struct Lever {
  int column_x;  // lever column (gauge pixels)
  int column_w;
  Colour knob;
};

//                       column x  width  knob colour
constexpr Lever kLevers[] = {
    {0,   20, {0.50, 0.50, 0.52}},  // first pair
    {20,  24, {0.50, 0.50, 0.52}},
    {55,  22, {0.20, 0.36, 0.75}},  // second pair
    {78,  22, {0.20, 0.36, 0.75}},
    {112, 25, {0.78, 0.18, 0.14}},  // third pair
    {138, 19, {0.78, 0.18, 0.14}},
};

constexpr int kHeight = 210;

// --- Pictures ----------------------------------------------------------------

Image background(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  case_plate(cr, 0, 0, w, h, 3.0, Colour{0.20, 0.21, 0.22});
  // Each pair sits in a recessed channel.
  for (int pair = 0; pair < 3; ++pair) {
    const Lever& l = kLevers[2 * pair];
    const Lever& r = kLevers[2 * pair + 1];
    const double x0 = l.column_x + 1.0;
    const double x1 = r.column_x + r.column_w - 1.0;
    cairo_new_path(cr);
    rounded_rect_path(cr, x0, 3.0, x1 - x0, kHeight - 6.0, 4.0);
    set_colour(cr, Colour{0.13, 0.135, 0.14});
    cairo_fill_preserve(cr);
    set_colour(cr, Colour{0.32, 0.33, 0.34});
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  // The slots the levers run in, one down the middle of each column.
  for (const Lever& lever : kLevers) {
    const double cx = lever.column_x + lever.column_w / 2.0;
    cairo_new_path(cr);
    rounded_rect_path(cr, cx - 2.5, 8.0, 5.0, kHeight - 16.0, 2.5);
    set_colour(cr, Colour{0.035, 0.035, 0.04});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 2.5, 10.0);
    cairo_line_to(cr, cx + 2.5, kHeight - 10.0);
    set_colour(cr, Colour{0.36, 0.37, 0.38});
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  // Graduations between the pairs: full travel in tenths, halves longer.
  for (const double x : {44.0, 100.0}) {
    for (int i = 0; i <= 10; ++i) {
      const double y = 10.5 + i * (kHeight - 21.0) / 10.0;
      const double len = i % 5 == 0 ? 11.0 : 6.0;
      cairo_new_path(cr);
      cairo_move_to(cr, x + 5.5 - len / 2, y);
      cairo_line_to(cr, x + 5.5 + len / 2, y);
      set_colour(cr, ink::white);
      cairo_set_line_width(cr, 1.0);
      cairo_stroke(cr);
    }
  }
  return canvas.finish(Rgb{40, 42, 44});
}

// A lever knob seen from the front: a rounded grip at the top with its
// shaft running down to the slot.
Image knob(int w, int h, Colour colour) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const double cx = w / 2.0;
  const double head = std::min(24.0, h * 0.55);
  // Shaft.
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - 2.5, head - 2.0, 5.0, h - head + 2.0);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - 2.5, 0, cx + 2.5, 0);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.85, 0.85, 0.86);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.35, 0.35, 0.37);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Grip.
  cairo_new_path(cr);
  rounded_rect_path(cr, 0.5, 0.5, w - 1.0, head, std::min(w, 16) / 2.5);
  p = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgb(p, 0.0, colour.r * 0.8 + 0.2, colour.g * 0.8 + 0.2, colour.b * 0.8 + 0.2);
  cairo_pattern_add_color_stop_rgb(p, 0.45, colour.r, colour.g, colour.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, colour.r * 0.45, colour.g * 0.45, colour.b * 0.45);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  set_colour(cr, mix(colour, ink::shadow, 0.7));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Finger grooves across the grip.
  for (int i = 0; i < 3; ++i) {
    const double y = head * (0.35 + 0.18 * i);
    cairo_new_path(cr);
    cairo_move_to(cr, 3.0, y);
    cairo_line_to(cr, w - 3.0, y);
    set_colour(cr, mix(colour, ink::shadow, 0.55));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  return canvas.finish(Rgb{34, 35, 36});
}

Image knob_1(int w, int h) { return knob(w, h, kLevers[0].knob); }
Image knob_2(int w, int h) { return knob(w, h, kLevers[2].knob); }
Image knob_3(int w, int h) { return knob(w, h, kLevers[4].knob); }
Image knob_4(int w, int h) { return knob(w, h, kLevers[1].knob); }
Image knob_5(int w, int h) { return knob(w, h, kLevers[3].knob); }
Image knob_6(int w, int h) { return knob(w, h, kLevers[5].knob); }

}  // namespace

void add_quadrant(Catalogue& out) {
  constexpr Module qd = Module::quadrant;
  // Sliders in child-list order: left levers of the three pairs, then the right ones.
  // module id    role           w    h    bits painter
  out.bitmaps.push_back({qd, 1000, "background",  157, 210, 8, background});
  out.bitmaps.push_back({qd, 1100, "knob_1",      20,  48,  8, knob_1});
  out.bitmaps.push_back({qd, 1200, "knob_2",      22,  39,  8, knob_2});
  out.bitmaps.push_back({qd, 1300, "knob_3",      26,  48,  8, knob_3});
  out.bitmaps.push_back({qd, 1400, "knob_4",      24,  48,  8, knob_4});
  out.bitmaps.push_back({qd, 1500, "knob_5",      22,  39,  8, knob_5});
  out.bitmaps.push_back({qd, 1600, "knob_6",      19,  48,  8, knob_6});
}

}  // namespace artgen
