// Row builders for mouse rectangle tables, so a table reads as its rows.
#pragma once

#include "gauge_records.h"

namespace frame {

struct Box {
  std::int32_t x, y, width, height;
};

constexpr MOUSERECT mouse_parent(Box box, std::uint32_t help_id) {
  return {MOUSE_RECT_PARENT, box.x, box.y, box.width, box.height, CURSOR_NONE, help_id, 0, 0, nullptr, nullptr};
}

constexpr MOUSERECT mouse_child(Box box, std::int32_t cursor, FLAGS32 mouse_flags, MOUSE_HANDLER handler) {
  return {MOUSE_RECT_CHILD, box.x, box.y, box.width, box.height, cursor, 0, mouse_flags, 0, handler, nullptr};
}

constexpr MOUSERECT mouse_end_parent() {
  return {MOUSE_RECT_END_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, nullptr};
}

constexpr MOUSERECT mouse_end_table() {
  return {MOUSE_RECT_EOL, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, nullptr};
}

// Cursor numbers the host shows over child rectangles.
inline constexpr std::int32_t CURSOR_HAND = 5;

}  // namespace frame
