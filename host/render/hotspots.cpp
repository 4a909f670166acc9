#include "hotspots.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <numbers>

// Labels use cairo's text API, which keeps fontconfig's pattern caches for
// the life of the process; the leak checker of sanitized builds is told
// that these are not ours.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options();
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

namespace panelhost::render {

std::string Hotspot::label() const {
  if (parent) return help_id ? fmt::format("help {:#x}", help_id) : "no help";
  return fmt::format("cursor {}", cursor);
}

std::vector<Hotspot> hotspots(std::span<const MOUSERECT> rows, PIXSIZE gauge_size) {
  struct Area {
    std::int64_t x, y, width, height;
  };
  std::vector<Area> enclosing{{0, 0, gauge_size.x, gauge_size.y}};
  std::vector<Hotspot> spots;
  const auto clamp32 = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MOUSERECT& row = rows[i];
    const Area& outer = enclosing.back();
    if (row.kind == MOUSE_RECT_EOL) break;
    if (row.kind == MOUSE_RECT_END_PARENT) {
      if (enclosing.size() > 1) enclosing.pop_back();
      continue;
    }
    Area area{outer.x + row.box_x, outer.y + row.box_y, row.box_width, row.box_height};
    const bool parent = row.kind == MOUSE_RECT_PARENT;
    if (parent && (row.box_width <= 0 || row.box_height <= 0)) area = outer;
    if (parent) enclosing.push_back(area);
    if (row.kind != MOUSE_RECT_PARENT && row.kind != MOUSE_RECT_CHILD) continue;
    Hotspot spot;
    spot.row = i;
    spot.parent = parent;
    spot.origin = {clamp32(area.x), clamp32(area.y)};
    spot.size = {clamp32(area.width), clamp32(area.height)};
    spot.cursor = row.cursor;
    spot.help_id = row.help_id;
    spot.mouse_flags = row.mouse_flags;
    spots.push_back(spot);
  }
  return spots;
}

void draw_hotspots(cairo_t* context, std::span<const Hotspot> spots) {
  cairo_save(context);
  // Lines and labels keep their screen size whatever the gauge's scale.
  double unit_x = 1.0, unit_y = 0.0;
  cairo_device_to_user_distance(context, &unit_x, &unit_y);
  const double unit = std::max(1e-6, std::hypot(unit_x, unit_y));
  cairo_select_font_face(context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(context, 9.0 * unit);
  for (const Hotspot& spot : spots) {
    if (spot.size.x <= 0 || spot.size.y <= 0) continue;
    const double r = spot.parent ? 1.0 : 0.2;
    const double g = spot.parent ? 0.75 : 0.9;
    const double b = spot.parent ? 0.1 : 1.0;
    // Outline just inside the box, so that a box at the gauge's edge shows.
    const double inset = spot.parent ? 0.5 * unit : 1.5 * unit;
    cairo_rectangle(context, spot.origin.x + inset, spot.origin.y + inset, spot.size.x - 2 * inset,
                    spot.size.y - 2 * inset);
    cairo_set_line_width(context, unit);
    if (spot.parent) {
      const double dash[] = {3.0 * unit, 2.0 * unit};
      cairo_set_dash(context, dash, 2, 0);
    } else {
      cairo_set_dash(context, nullptr, 0, 0);
    }
    cairo_set_source_rgb(context, r, g, b);
    cairo_stroke(context);

    const std::string text = spot.label();
    cairo_text_extents_t extents;
    cairo_text_extents(context, text.c_str(), &extents);
    const double ascent = -extents.y_bearing;
    // Labels run along a box too narrow for them: downwards for children,
    // upwards for parents.
    const bool narrow = extents.x_advance + 5.0 * unit > spot.size.x && spot.size.y > spot.size.x;
    cairo_save(context);
    if (narrow && spot.parent) {
      cairo_translate(context, spot.origin.x + 1.5 * unit + ascent, spot.origin.y + spot.size.y - 3.0 * unit);
      cairo_rotate(context, -std::numbers::pi / 2);
    } else if (narrow) {
      cairo_translate(context, spot.origin.x + 2.0 * unit, spot.origin.y + 2.5 * unit);
      cairo_rotate(context, std::numbers::pi / 2);
    } else if (spot.parent) {
      // Parents label their bottom edge, children their top, so that nested
      // labels do not sit on each other.
      cairo_translate(context, spot.origin.x + 2.5 * unit, spot.origin.y + spot.size.y - 3.0 * unit);
    } else {
      cairo_translate(context, spot.origin.x + 2.5 * unit, spot.origin.y + 2.5 * unit + ascent);
    }
    cairo_rectangle(context, -unit, extents.y_bearing - unit, extents.x_advance + 2 * unit, extents.height + 2 * unit);
    cairo_set_source_rgba(context, 0, 0, 0, 0.7);
    cairo_fill(context);
    cairo_move_to(context, 0, 0);
    cairo_set_source_rgb(context, r, g, b);
    cairo_show_text(context, text.c_str());
    cairo_restore(context);
  }
  cairo_restore(context);
}

}  // namespace panelhost::render
