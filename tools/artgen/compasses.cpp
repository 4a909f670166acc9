// Compasses. "Whiskey Compass": a card strip sliding behind a small window
// with a lubber line, in a round case with a knob below. "Radio Compass": a
// rose that turns behind a shaded centre disc carrying a vertical line and an
// aircraft symbol. The card's columns and the window's rows are exact.
#include <cmath>

#include "canvas.h"
#include "draw.h"
#include "families.h"

namespace artgen {

namespace {

// --- Calibration rows ----------------------------------------------------------

constexpr Pivot kRosePivot{64, 64};

// point (face pixels)  value (host variable 84); stored from the high value down
constexpr CalRow kRoseRows[] = {
    {64, 16,            359.0},  // north up
    {110, 64,           270.0},
    {64, 112,           180.0},
    {16, 64,            90.0},
    {64, 16,            0.0},    // north up
};

// --- Card layout -----------------------------------------------------------------

// Tick k (k = 0..44) marks -40 + 10k degrees and fills two columns starting
// at floor(6 + 22k/3): 7 1/3 columns per 10 degrees, 264 per turn.
constexpr int kCardTicks = 45;
constexpr int tick_column(int k) { return 6 + (22 * k) / 3; }

// Under every third tick (k = 1, 4, ..., 43), left to right.
constexpr const char* kCardLabels[] = {"33", "N", "3",  "6",  "E",  "12", "15", "S",
                                       "21", "24", "W", "30", "33", "N",  "3"};

constexpr Rgb kCardGround{34, 34, 36};
constexpr Rgb kWindowFrame{44, 44, 46};
constexpr Rgb kLubber{236, 232, 210};

// The rose's labels every 30 degrees, clockwise from north at +x.
constexpr const char* kRoseLabels[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
constexpr double kRoseRadius = 58.0;
constexpr double kCoverRadius = 44.0;

// --- Whiskey compass ---------------------------------------------------------------

Image whiskey_case(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c{58.0, 59.5};
  // Knob below the bowl.
  setting_knob(cr, c.x, SettingKnob{.top = 112.0, .width = 22.0, .height = 29.0, .corner = 4.0,
                                    .light = {0.60, 0.60, 0.60}, .dark = {0.16, 0.16, 0.17},
                                    .knurl_half = 8.0, .knurl_top = 124.0, .knurl_bottom = 139.0});
  bezelled_face(cr, c, 57.0, 49.0, Colour{0.08, 0.08, 0.09});
  // Screws on the bezel.
  for (const double a : {45.0, 135.0, 225.0, 315.0}) screw(cr, polar(c, 53.0, a), 2.6, a);
  // The card window's recess.
  cairo_new_path(cr);
  rounded_rect_path(cr, 21.0, 40.0, 76.0, 40.0, 4.0);
  set_colour(cr, Colour{0.20, 0.20, 0.22});
  cairo_fill_preserve(cr);
  set_colour(cr, Colour{0.45, 0.45, 0.47});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_fill(cr);
  text(cr, "COMPASS", Font::condensed_bold, 7.0, Point{c.x, 92.0}, Colour{0.70, 0.70, 0.68});
  return canvas.finish(Rgb{40, 40, 42});
}

Image whiskey_card(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  set_colour(cr, Colour{kCardGround.r / 255.0, kCardGround.g / 255.0, kCardGround.b / 255.0});
  cairo_paint(cr);
  for (int k = 1, n = 0; k < kCardTicks; k += 3, ++n) {
    const double centre = tick_column(k) + 1.0;  // between the tick's two columns
    const bool cardinal = kCardLabels[n][1] == '\0' && kCardLabels[n][0] > '9';
    text(cr, kCardLabels[n], Font::sans_bold, cardinal ? 11.0 : 9.0, Point{centre, 17.0},
         cardinal ? ink::white : Colour{0.86, 0.86, 0.82});
  }
  Image image = canvas.finish(kCardGround);
  // Ticks, crisp: every third one (the labelled tens) longer.
  for (int k = 0; k < kCardTicks; ++k) {
    const int x = tick_column(k);
    const int bottom = k % 3 == 1 ? 8 : 5;
    image.fill_rect(x, 1, x + 1, bottom, ink_rgb(ink::white));
  }
  return image;
}

// (1,1,1) throughout; a one-pixel dark frame from (1,3) to (68,30); the
// lubber line in columns 34 and 35 from row 1 to row 32, across the frame.
Image whiskey_window(int w, int h) {
  Image image(w, h, kWindow);
  image.fill_rect(1, 3, 68, 3, kWindowFrame);
  image.fill_rect(1, 30, 68, 30, kWindowFrame);
  image.fill_rect(1, 3, 1, 30, kWindowFrame);
  image.fill_rect(68, 3, 68, 30, kWindowFrame);
  image.fill_rect(34, 1, 35, 32, kLubber);
  return image;
}

// --- Radio compass -----------------------------------------------------------------

Image radio_face(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kRosePivot);
  screwed_plate(cr, w, h, 14.0, 10.0, 4.0);
  bezelled_face(cr, c, 62.5, 58.5, ink::face_blue);
  return canvas.finish(ink_rgb(ink::panel));
}

Image rose(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kRosePivot);
  face(cr, c, kRoseRadius, Colour{0.12, 0.14, 0.18});
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, kRoseRadius - 0.6, 0, 2 * kPi);
  set_colour(cr, Colour{0.45, 0.47, 0.50});
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Ticks every 5 degrees; the card mark for heading H lies H degrees
  // clockwise from north at +x.
  for (int hdg = 0; hdg < 360; hdg += 5) {
    const double len = hdg % 30 == 0 ? 7.0 : hdg % 10 == 0 ? 5.0 : 3.0;
    tick(cr, c, hdg, kRoseRadius - 1.5 - len, kRoseRadius - 1.5, hdg % 10 == 0 ? 1.5 : 1.1, ink::white);
  }
  for (int i = 0; i < 12; ++i) {
    const double a = 30.0 * i;
    const bool cardinal = i % 3 == 0;
    text_turned(cr, kRoseLabels[i], Font::sans_bold, cardinal ? 9.5 : 8.0, polar(c, 49.0, a), a + 90.0,
                cardinal ? Colour{0.98, 0.80, 0.30} : ink::white);
  }
  return canvas.finish(Rgb{30, 34, 42});
}

Image radio_aircraft(int w, int h) {
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const Point c = at(kRosePivot);
  cairo_pattern_t* p = cairo_pattern_create_radial(c.x - 12, c.y - 16, 4, c.x, c.y, kCoverRadius);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.30, 0.33, 0.38);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.12, 0.13, 0.16);
  fill_disc(cr, c, kCoverRadius, p, true);
  set_colour(cr, Colour{0.42, 0.44, 0.48});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // The vertical line from near the disc's top edge to near its bottom.
  cairo_new_path(cr);
  cairo_rectangle(cr, c.x - 1.0, c.y - kCoverRadius + 3.0, 2.0, 2 * kCoverRadius - 6.0);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  // The aircraft: fuselage, wings and tailplane, seen from above, nose up.
  cairo_new_path(cr);
  rounded_rect_path(cr, c.x - 2.5, c.y - 13.0, 5.0, 27.0, 2.5);
  rounded_rect_path(cr, c.x - 16.0, c.y - 4.0, 32.0, 5.0, 2.0);
  rounded_rect_path(cr, c.x - 7.0, c.y + 9.0, 14.0, 3.5, 1.5);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  set_colour(cr, ink::white);
  cairo_fill(cr);
  return canvas.finish(Rgb{30, 33, 40});
}

}  // namespace

void add_compasses(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  // module id      role                      w    h    bits painter
  out.bitmaps.push_back({vt, 0x3100, "radio_compass_face",     128, 128, 8,  radio_face});
  out.bitmaps.push_back({vt, 0x3200, "radio_compass_rose",     128, 128, 24, rose});
  out.bitmaps.push_back({vt, 0x3300, "radio_compass_aircraft", 128, 128, 8,  radio_aircraft});
  out.bitmaps.push_back({vt, 0x5200, "whiskey_case",           115, 143, 8,  whiskey_case});
  out.bitmaps.push_back({vt, 0x5300, "whiskey_card",           336, 26,  8,  whiskey_card});
  out.bitmaps.push_back({vt, 0x5301, "whiskey_window",         70,  34,  8,  whiskey_window});
  (void)kRoseRows;
}

}  // namespace artgen
