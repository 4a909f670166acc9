#include "mouse_dispatch.h"

#include <vector>

namespace panelhost {
namespace {

struct Frame {
  PIXPOINT origin;
  PIXSIZE extent;
};

bool inside(PIXPOINT point, PIXPOINT origin, PIXSIZE extent) {
  const auto px = static_cast<std::int64_t>(point.x);
  const auto py = static_cast<std::int64_t>(point.y);
  return px >= origin.x && py >= origin.y && px < std::int64_t{origin.x} + extent.x &&
         py < std::int64_t{origin.y} + extent.y;
}

}  // namespace

std::optional<MouseTarget> find_mouse_target(std::span<const MOUSERECT> rows, PIXSIZE gauge_size, PIXPOINT point,
                                             FLAGS32 event_flags) {
  std::vector<Frame> parents{{{0, 0}, gauge_size}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MOUSERECT& row = rows[i];
    const Frame enclosing = parents.back();
    const PIXPOINT origin{enclosing.origin.x + row.box_x, enclosing.origin.y + row.box_y};
    switch (row.kind) {
      case MOUSE_RECT_PARENT: {
        const bool sized = row.box_width > 0 && row.box_height > 0;
        parents.push_back({origin, sized ? PIXSIZE{row.box_width, row.box_height} : enclosing.extent});
        if (!sized) parents.back().origin = enclosing.origin;
        break;
      }
      case MOUSE_RECT_CHILD: {
        const PIXSIZE extent{row.box_width, row.box_height};
        if (answers(row, event_flags) && inside(point, origin, extent)) return MouseTarget{i, origin, extent};
        break;
      }
      case MOUSE_RECT_END_PARENT:
        if (parents.size() > 1) parents.pop_back();
        break;
      case MOUSE_RECT_EOL:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace panelhost
