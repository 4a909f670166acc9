// Mouse rectangles made visible, for gauge authors checking their click
// areas: every parent rectangle outlined in amber and labelled with its help
// id, every child rectangle outlined in cyan and labelled with its cursor.
// The geometry is the host's: each box is placed relative to its enclosing
// parent, and a parent without a size spans its enclosing area.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gauge_records.h"

namespace panelhost::render {

struct Hotspot {
  std::size_t row = 0;  // in the mouse table
  bool parent = false;
  PIXPOINT origin{};  // gauge pixels
  PIXSIZE size{};
  std::int32_t cursor = CURSOR_NONE;
  std::uint32_t help_id = 0;
  FLAGS32 mouse_flags = 0;
  std::string label() const;  // "help 0xab2d", "cursor 5"
};

// The rectangles of a table, up to its end-of-table row.
std::vector<Hotspot> hotspots(std::span<const MOUSERECT> rows, PIXSIZE gauge_size);

// Draws the outlines; the context's user space is the gauge's pixel space.
void draw_hotspots(cairo_t* context, std::span<const Hotspot> spots);

}  // namespace panelhost::render
