// Finding the child rectangle of a mouse table that a mouse event reaches.
//
// A table is a parent rectangle, its children and nested groups, closed by
// end-of-parent rows and an end-of-table row. Each box is placed relative to
// the top-left corner of its enclosing parent; a parent whose box has no size
// spans the whole gauge. A point hits a box when it lies on or right of the
// left edge and on or below the top edge, and left of the right edge and
// above the bottom edge. The first child in table order that contains the
// point and whose flags name the event takes it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "gauge_records.h"

namespace panelhost {

struct MouseTarget {
  std::size_t row;   // index into the table
  PIXPOINT origin;   // the child box's top-left corner, in gauge pixels
  PIXSIZE extent;    // the child box's width and height
};

// `rows` runs up to and including the end-of-table row (as the record check
// walks it). `gauge_size` is the installed background's size.
std::optional<MouseTarget> find_mouse_target(std::span<const MOUSERECT> rows, PIXSIZE gauge_size, PIXPOINT point,
                                             FLAGS32 event_flags);

// Whether the row is a child rectangle that answers these event flags.
inline bool answers(const MOUSERECT& row, FLAGS32 event_flags) {
  return row.kind == MOUSE_RECT_CHILD && (row.mouse_flags & event_flags) != 0;
}

}  // namespace panelhost
