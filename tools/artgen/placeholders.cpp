// Stand-in pictures of the right size and depth for families whose art is
// not drawn yet. Runs last: a bitmap that a family has already added is
// skipped, so a family takes its ids over without touching this file.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "families.h"

namespace artgen {

namespace {

Image face(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_set_source_rgb(cr, 0.25, 0.25, 0.27);
  cairo_paint(cr);
  cairo_arc(cr, w / 2.0, h / 2.0, std::min(w, h) / 2.0 - 3.0, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
  cairo_fill(cr);
  return c.finish();
}

Image needle(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, h / 2.0 - 1.5, w, 3);
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
  cairo_fill(cr);
  return c.finish();
}

Image overlay(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_arc(cr, w / 2.0, h / 2.0, std::min(w, h) / 2.0 - 4.0, 0, 2 * M_PI);
  cairo_set_line_width(cr, 6);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.52);
  cairo_stroke(cr);
  return c.finish();
}

Image window(int w, int h) { return Image(w, h, kWindow); }

Image strip(int w, int h) {
  Image image(w, h, Rgb{40, 44, 52});
  for (int x = 0; x < w; x += 8) image.fill_rect(x, 0, x, h - 1, Rgb{200, 200, 200});
  return image;
}

Image panel(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_set_source_rgb(cr, 0.2, 0.21, 0.2);
  cairo_paint(cr);
  cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return c.finish();
}

Image object(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_arc(cr, w / 2.0, h / 2.0, std::min(w, h) / 4.0, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.7, 0.7, 0.7);
  cairo_fill(cr);
  return c.finish();
}

}  // namespace

void add_placeholders(Catalogue& out) {
  constexpr Module vt = Module::velmar_tavrin;
  const Bitmap rows[] = {
      // module id      role                            w    h   bits painter
      {vt, 0x1600, "battery_plate",                    128, 128, 8,  panel},
      {vt, 0x1700, "battery_off",                      128, 128, 8,  object},
      {vt, 0x1701, "battery_on",                       128, 128, 8,  object},
      {vt, 0x1F00, "tachometer_dial",                  128, 128, 24, face},
      {vt, 0x2000, "tachometer0_needle",               52,  8,   8,  needle},
      {vt, 0x2100, "tachometer0_overlay",              128, 128, 8,  overlay},
      {vt, 0x2300, "tachometer1_needle",               52,  8,   8,  needle},
      {vt, 0x2400, "tachometer1_overlay",              128, 128, 8,  overlay},
      {vt, 0x2500, "radiator_temp0_dial",              128, 128, 24, face},
      {vt, 0x2600, "radiator_temp0_needle",            52,  4,   8,  needle},
      {vt, 0x2700, "radiator_temp0_overlay",           128, 128, 24, overlay},
      {vt, 0x2800, "radiator_temp1_dial",              128, 128, 24, face},
      {vt, 0x2900, "radiator_temp1_needle",            52,  4,   8,  needle},
      {vt, 0x2A00, "radiator_temp1_overlay",           128, 128, 24, overlay},
      {vt, 0x2B00, "oil_temp0_dial",                   128, 128, 24, face},
      {vt, 0x2C00, "oil_temp0_needle",                 52,  4,   8,  needle},
      {vt, 0x2D00, "oil_temp0_overlay",                128, 128, 24, overlay},
      {vt, 0x2E00, "oil_temp1_dial",                   128, 128, 24, face},
      {vt, 0x2F00, "oil_temp1_needle",                 52,  4,   8,  needle},
      {vt, 0x3000, "oil_temp1_overlay",                128, 128, 24, overlay},
      {vt, 0x3E00, "ammo_background",                  128, 128, 8,  panel},
      {vt, 0x3F00, "ammo_outer_strip",                 120, 210, 8,  strip},
      {vt, 0x3F01, "ammo_outer_window",                120, 102, 8,  window},
      {vt, 0x4000, "ammo_inner_strip",                 69,  210, 8,  strip},
      {vt, 0x4001, "ammo_inner_window",                69,  102, 8,  window},
      {vt, 0x4100, "ammo_centre_strip",                17,  210, 8,  strip},
      {vt, 0x4101, "ammo_centre_window",               17,  102, 8,  window},
      {vt, 0x4200, "ammo_overlay",                     128, 128, 8,  overlay},
      {vt, 0x4300, "fuel_pressure0_dial",              128, 128, 8,  face},
      {vt, 0x4400, "fuel_pressure0_needle",            37,  8,   8,  needle},
      {vt, 0x4500, "fuel_pressure1_dial",              128, 128, 8,  face},
      {vt, 0x4600, "fuel_pressure1_needle",            37,  8,   8,  needle},
      {vt, 0x4700, "oil_pressure0_dial",               128, 128, 8,  face},
      {vt, 0x4800, "oil_pressure0_needle",             37,  8,   8,  needle},
      {vt, 0x4900, "oil_pressure1_dial",               128, 128, 8,  face},
      {vt, 0x4A00, "oil_pressure1_needle",             37,  8,   8,  needle},
      {vt, 0x4B00, "manifold0_dial",                   128, 128, 8,  face},
      {vt, 0x4C00, "manifold0_needle",                 51,  17,  8,  needle},
      {vt, 0x4D00, "manifold1_dial",                   128, 128, 8,  face},
      {vt, 0x4E00, "manifold1_needle",                 51,  17,  8,  needle},
      {vt, 0x5400, "console_left",                     19,  19,  24, panel},
      {vt, 0x5500, "console_right",                    19,  19,  24, panel},
      {vt, 0x5600, "console_engine",                   19,  19,  24, panel},
      {vt, 0x5700, "ignition0_strip",                  208, 64,  8,  panel},
      {vt, 0x5800, "ignition0_both_off",               208, 64,  8,  object},
      {vt, 0x5801, "ignition0_first_on",               208, 64,  8,  object},
      {vt, 0x5802, "ignition0_second_on",              208, 64,  8,  object},
      {vt, 0x5803, "ignition0_both_on",                208, 64,  8,  object},
      {vt, 0x5900, "ignition1_strip",                  208, 64,  8,  panel},
      {vt, 0x5A00, "ignition1_both_off",               208, 64,  8,  object},
      {vt, 0x5A01, "ignition1_first_on",               208, 64,  8,  object},
      {vt, 0x5A02, "ignition1_second_on",              208, 64,  8,  object},
      {vt, 0x5A03, "ignition1_both_on",                208, 64,  8,  object},
      {vt, 0x5B00, "autopilot_panel",                  144, 192, 24, panel},
      {vt, 0x5C00, "autopilot_lamp_dark",              32,  32,  8,  object},
      {vt, 0x5C01, "autopilot_lamp_lit",               32,  32,  8,  object},
      {vt, 0x5D00, "autopilot_upper_right_down",       64,  64,  8,  object},
      {vt, 0x5D01, "autopilot_upper_right_up",         64,  64,  8,  object},
      {vt, 0x5E00, "autopilot_upper_left_down",        64,  64,  8,  object},
      {vt, 0x5E01, "autopilot_upper_left_up",          64,  64,  8,  object},
      {vt, 0x5F00, "autopilot_lower_left_down",        64,  64,  8,  object},
      {vt, 0x5F01, "autopilot_lower_left_up",          64,  64,  8,  object},
      {vt, 0x6000, "autopilot_lower_right_down",       64,  64,  8,  object},
      {vt, 0x6001, "autopilot_lower_right_up",         64,  64,  8,  object},
      {vt, 0x6100, "fuel_warning_left_lamp",           32,  32,  8,  object},
      {vt, 0x6200, "fuel_warning_left_dark",           32,  32,  8,  object},
      {vt, 0x6201, "fuel_warning_left_lit",            32,  32,  8,  object},
      {vt, 0x6300, "fuel_warning_right_lamp",          32,  32,  8,  object},
      {vt, 0x6400, "fuel_warning_right_dark",          32,  32,  8,  object},
      {vt, 0x6401, "fuel_warning_right_lit",           32,  32,  8,  object},
      {vt, 0x6500, "bombing_panel",                    144, 208, 8,  panel},
      {vt, 0x6600, "bombing_red_lamp_dark",            32,  32,  8,  object},
      {vt, 0x6601, "bombing_red_lamp_lit",             32,  32,  8,  object},
      {vt, 0x6700, "bombing_switch_down",              64,  64,  8,  object},
      {vt, 0x6701, "bombing_switch_up",                64,  64,  8,  object},
      {vt, 0x6800, "bombing_green_lamp_dark",          32,  32,  8,  object},
      {vt, 0x6801, "bombing_green_lamp_lit",           32,  32,  8,  object},
      {vt, 0x6900, "ejection_handle",                  256, 41,  8,  panel},
  };
  for (const Bitmap& row : rows) {
    const bool taken = std::any_of(out.bitmaps.begin(), out.bitmaps.end(), [&row](const Bitmap& b) {
      return b.module == row.module && b.id == row.id;
    });
    if (!taken) out.bitmaps.push_back(row);
  }
}

}  // namespace artgen
