// Mouse dispatch on small fixture tables: nesting, box edges and flags.
#include <gtest/gtest.h>

#include "mouse_dispatch.h"
#include "mouse_rows.h"

namespace {

BOOL32 GAUGE_CALL handler(PIXPOINT*, FLAGS32) { return 1; }

using frame::mouse_child;
using frame::mouse_end_parent;
using frame::mouse_end_table;
using frame::mouse_parent;

constexpr FLAGS32 kClick = MOUSE_LEFTSINGLE;
constexpr FLAGS32 kClickOrDrag = MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG;

// Whole-gauge parent; a plain child; a group at (50, 40) holding a child at
// (0, 0) and one at (5, 5); a right-click-only child.
const MOUSERECT kTable[] = {
    mouse_parent({0, 0, 0, 0}, 0x1),                    // 0
    mouse_child({10, 10, 20, 10}, 5, kClick, handler),  // 1
    mouse_parent({50, 40, 30, 30}, 0x2),                // 2
    mouse_child({0, 0, 10, 10}, 5, kClickOrDrag, handler),  // 3
    mouse_child({5, 5, 20, 20}, 5, kClick, handler),    // 4: overlaps 3, later in the table
    mouse_end_parent(),                                 // 5
    mouse_child({90, 90, 10, 10}, 1, MOUSE_RIGHTSINGLE, handler),  // 6
    mouse_end_parent(),                                 // 7
    mouse_end_table(),                                  // 8
};

struct Case {
  PIXPOINT point;
  FLAGS32 flags;
  std::optional<std::size_t> row;
  PIXPOINT origin;
};

const Case kCases[] = {
    {{10, 10}, kClick, 1, {10, 10}},   // top-left corner is inside
    {{29, 19}, kClick, 1, {10, 10}},   // last pixel inside
    {{30, 10}, kClick, std::nullopt, {}},  // right edge is outside
    {{10, 20}, kClick, std::nullopt, {}},  // bottom edge is outside
    {{9, 15}, kClick, std::nullopt, {}},
    {{50, 40}, kClick, 3, {50, 40}},   // a group's child sits at the group's position
    {{0, 0}, kClick, std::nullopt, {}},    // ... not at the gauge's corner
    {{57, 47}, kClick, 3, {50, 40}},   // overlap: the first row in table order wins
    {{62, 52}, kClick, 4, {55, 45}},
    {{57, 47}, MOUSE_LEFTDRAG, 3, {50, 40}},
    {{62, 52}, MOUSE_LEFTDRAG, std::nullopt, {}},  // row 4 does not take drags
    {{95, 95}, kClick, std::nullopt, {}},          // row 6 takes right clicks only
    {{95, 95}, MOUSE_RIGHTSINGLE, 6, {90, 90}},
    {{15, 15}, MOUSE_RIGHTSINGLE, std::nullopt, {}},
    {{15, 15}, 0, std::nullopt, {}},
};

TEST(MouseDispatch, FindsTheChildThatTakesTheEvent) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "(" << c.point.x << ", " << c.point.y << ") flags " << std::hex << c.flags);
    const auto target = panelhost::find_mouse_target(kTable, {128, 128}, c.point, c.flags);
    ASSERT_EQ(target.has_value(), c.row.has_value());
    if (!target) continue;
    EXPECT_EQ(target->row, *c.row);
    EXPECT_EQ(target->origin.x, c.origin.x);
    EXPECT_EQ(target->origin.y, c.origin.y);
  }
}

TEST(MouseDispatch, NothingAfterTheEndOfTableRowCounts) {
  const MOUSERECT table[] = {
      mouse_parent({0, 0, 0, 0}, 0), mouse_end_parent(), mouse_end_table(),
      mouse_child({0, 0, 100, 100}, 5, kClick, handler),
  };
  EXPECT_FALSE(panelhost::find_mouse_target(table, {128, 128}, {5, 5}, kClick));
}

TEST(MouseDispatch, FarPointsAndBoxesDoNotOverflow) {
  const MOUSERECT table[] = {
      mouse_parent({0, 0, 0, 0}, 0),
      mouse_child({1 << 20, 1 << 20, 1 << 20, 1 << 20}, 5, kClick, handler),
      mouse_end_parent(), mouse_end_table(),
  };
  EXPECT_FALSE(panelhost::find_mouse_target(table, {128, 128}, {INT32_MIN, INT32_MIN}, kClick));
  EXPECT_FALSE(panelhost::find_mouse_target(table, {128, 128}, {INT32_MAX, INT32_MAX}, kClick));
  EXPECT_TRUE(panelhost::find_mouse_target(table, {128, 128}, {(1 << 21) - 1, 1 << 20}, kClick));
}

}  // namespace
