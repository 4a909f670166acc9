#include "record_check.h"

#include <fmt/format.h>

#include <set>

namespace panelhost {
namespace {

std::size_t record_size(std::uint32_t kind) {
  switch (kind) {
    case ELEMENT_KIND_STATIC_IMAGE: return sizeof(ELEMENT_STATIC_IMAGE);
    case ELEMENT_KIND_NEEDLE: return sizeof(ELEMENT_NEEDLE);
    case ELEMENT_KIND_SLIDER: return sizeof(ELEMENT_SLIDER);
    case ELEMENT_KIND_ICON: return sizeof(ELEMENT_ICON);
    case ELEMENT_KIND_MOVING_IMAGE: return sizeof(ELEMENT_MOVING_IMAGE);
    case ELEMENT_KIND_SPRITE: return sizeof(ELEMENT_SPRITE);
    default: return 0;
  }
}

template <typename T>
void require_inside(const ModuleLibrary& module, const T* address, std::size_t count, const std::string& what) {
  if (!module.contains(address, sizeof(T) * count))
    throw RecordError(fmt::format("{}: {} points outside the module ({})", module.path().string(), what,
                                  fmt::ptr(address)));
}

void require_code(const ModuleLibrary& module, const void* function, const std::string& what) {
  if (function && !module.contains(function, 1))
    throw RecordError(fmt::format("{}: {} points outside the module", module.path().string(), what));
}

template <typename Callback>
void require_callback(const ModuleLibrary& module, Callback callback, const std::string& what) {
  require_code(module, reinterpret_cast<const void*>(callback), what);
}

void check_kind_fields(const ModuleLibrary& module, ELEMENT_HEADER* element, const std::string& where) {
  switch (element->kind) {
    case ELEMENT_KIND_NEEDLE: {
      auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(element);
      require_callback(module, needle->value_callback, where + ": value callback");
      if (needle->nonlinearity_rows == 0 || needle->nonlinearity_rows > kMaxNonlinearityRows || !needle->nonlinearity)
        throw RecordError(fmt::format("{}: {}: needle has {} calibration rows (1 to {} expected)",
                                      module.path().string(), where, needle->nonlinearity_rows, kMaxNonlinearityRows));
      require_inside(module, needle->nonlinearity, needle->nonlinearity_rows, where + ": calibration table");
      break;
    }
    case ELEMENT_KIND_ICON: {
      auto* icon = reinterpret_cast<ELEMENT_ICON*>(element);
      require_callback(module, icon->value_callback, where + ": value callback");
      if (icon->picture_count == 0 || icon->picture_count > 256)
        throw RecordError(fmt::format("{}: {}: icon has {} pictures (1 to 256 expected)", module.path().string(),
                                      where, icon->picture_count));
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE: {
      auto* image = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element);
      require_callback(module, image->value_callback_x, where + ": x value callback");
      require_callback(module, image->value_callback_y, where + ": y value callback");
      break;
    }
    case ELEMENT_KIND_SPRITE: {
      auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(element);
      require_callback(module, sprite->value_callback_x, where + ": x value callback");
      require_callback(module, sprite->value_callback_y, where + ": y value callback");
      require_callback(module, sprite->value_callback_rotation, where + ": rotation value callback");
      break;
    }
    case ELEMENT_KIND_SLIDER: {
      auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(element);
      require_callback(module, slider->value_callback_x, where + ": x value callback");
      require_callback(module, slider->value_callback_y, where + ": y value callback");
      break;
    }
    default: break;
  }
}

}  // namespace

const char* element_kind_name(std::uint32_t kind) {
  switch (kind) {
    case ELEMENT_KIND_STATIC_IMAGE: return "static image";
    case ELEMENT_KIND_NEEDLE: return "needle";
    case ELEMENT_KIND_SLIDER: return "slider";
    case ELEMENT_KIND_ICON: return "icon";
    case ELEMENT_KIND_MOVING_IMAGE: return "moving image";
    case ELEMENT_KIND_SPRITE: return "sprite";
    default: return "unknown";
  }
}

std::vector<GAUGEHDR*> check_gauge_table(const ModuleLibrary& module) {
  const std::string file = module.path().string();
  IMPORT_TABLE* imports = module.import_table();
  require_inside(module, imports, 1, "ImportTable");
  if (imports->panels.id != kImportIdPanels)
    throw RecordError(fmt::format("{}: ImportTable entry 0 has id {:#x}, {:#x} expected", file, imports->panels.id,
                                  kImportIdPanels));
  require_inside(module, module.linkage(), 1, "Linkage");
  GAUGEHDR* const* table = module.gauge_table();
  std::vector<GAUGEHDR*> gauges;
  for (std::size_t i = 0;; ++i) {
    if (i == kMaxGauges) throw RecordError(fmt::format("{}: the gauge table does not end within {} entries", file, kMaxGauges));
    require_inside(module, table + i, 1, fmt::format("gauge table entry {}", i));
    if (!table[i]) break;
    require_inside(module, table[i], 1, fmt::format("gauge table entry {}", i));
    gauges.push_back(table[i]);
  }
  if (gauges.empty()) throw RecordError(fmt::format("{}: the gauge table is empty (its first entry is null)", file));
  for (std::size_t i = 0; i < gauges.size(); ++i) {
    GAUGEHDR* gauge = gauges[i];
    const std::string where = fmt::format("gauge table entry {}", i);
    if (gauge->header_version != kGaugeHeaderVersion700 && gauge->header_version != kGaugeHeaderVersion610)
      throw RecordError(fmt::format("{}: {}: header version {} (700 or 610 expected)", file, where,
                                    gauge->header_version));
    check_gauge_name(module, gauge, i);
    require_code(module, reinterpret_cast<const void*>(gauge->query_routine), where + ": query routine");
    require_code(module, reinterpret_cast<const void*>(gauge->install_routine), where + ": install routine");
    require_code(module, reinterpret_cast<const void*>(gauge->initialize_routine), where + ": initialize routine");
    require_code(module, reinterpret_cast<const void*>(gauge->update_routine), where + ": update routine");
    require_code(module, reinterpret_cast<const void*>(gauge->generate_routine), where + ": generate routine");
    require_code(module, reinterpret_cast<const void*>(gauge->draw_routine), where + ": draw routine");
    require_code(module, reinterpret_cast<const void*>(gauge->kill_routine), where + ": kill routine");
  }
  return gauges;
}

std::string check_gauge_name(const ModuleLibrary& module, const GAUGEHDR* gauge, std::size_t position) {
  const std::string where = fmt::format("gauge table entry {}: name", position);
  const char* name = gauge->gauge_name;
  if (!name) throw RecordError(fmt::format("{}: {} is null", module.path().string(), where));
  for (std::size_t i = 0; i < kMaxNameLength; ++i) {
    require_inside(module, name + i, 1, where);
    if (name[i] == '\0') return std::string(name, i);
  }
  throw RecordError(fmt::format("{}: {} does not end within {} characters", module.path().string(), where,
                                kMaxNameLength));
}

std::vector<ElementNode> check_elements(const ModuleLibrary& module, const GAUGEHDR* gauge,
                                        const std::string& where) {
  const std::string file = module.path().string();
  if (!gauge->element_list) throw RecordError(fmt::format("{}: {}: the element list is null", file, where));
  require_inside(module, gauge->element_list, 1, where + ": element list");
  ELEMENT_HEADER* root = gauge->element_list[0];
  if (!root) throw RecordError(fmt::format("{}: {}: the root element is null", file, where));

  std::vector<ElementNode> nodes;
  std::set<const ELEMENT_HEADER*> seen;
  // Depth first, each element before its children, children in list order.
  struct Pending {
    ELEMENT_HEADER* element;
    std::size_t parent;
    std::size_t depth;
    std::string path;
  };
  std::vector<Pending> stack{{root, ElementNode::npos, 0, "root element"}};
  while (!stack.empty()) {
    Pending next = std::move(stack.back());
    stack.pop_back();
    const std::string here = where + ": " + next.path;
    require_inside(module, next.element, 1, here);
    ELEMENT_HEADER* element = next.element;
    const std::size_t size = record_size(element->kind);
    if (size == 0) throw RecordError(fmt::format("{}: {}: unknown element kind {}", file, here, static_cast<std::uint32_t>(element->kind)));
    require_inside(module, reinterpret_cast<const unsigned char*>(element), size, here);
    if (!seen.insert(element).second)
      throw RecordError(fmt::format("{}: {}: the element appears twice in the tree (a cycle?)", file, here));
    if (nodes.size() == kMaxElements)
      throw RecordError(fmt::format("{}: {}: more than {} elements", file, where, kMaxElements));
    if (next.parent == ElementNode::npos && element->kind != ELEMENT_KIND_STATIC_IMAGE)
      throw RecordError(fmt::format("{}: {}: the root is a {}, not a static image", file, here,
                                    element_kind_name(element->kind)));
    if (element->failure_table) check_failure_table(module, element->failure_table, here);
    check_kind_fields(module, element, here);
    const std::size_t index = nodes.size();
    nodes.push_back({element, next.parent, next.depth});

    if (!element->child_list) continue;
    std::vector<Pending> children;
    for (std::size_t i = 0;; ++i) {
      if (i == kMaxChildren)
        throw RecordError(fmt::format("{}: {}: the child list does not end within {} entries", file, here, kMaxChildren));
      require_inside(module, element->child_list + i, 1, here + ": child list");
      ELEMENT_HEADER* child = element->child_list[i];
      if (!child) break;
      children.push_back({child, index, next.depth + 1, fmt::format("{} > child {}", next.path, i)});
    }
    stack.insert(stack.end(), std::make_move_iterator(children.rbegin()), std::make_move_iterator(children.rend()));
  }
  return nodes;
}

std::span<MOUSERECT> check_mouse_table(const ModuleLibrary& module, MOUSERECT* table, const std::string& where) {
  const std::string file = module.path().string();
  if (!table) return {};
  std::size_t open_parents = 0;
  for (std::size_t i = 0;; ++i) {
    if (i == kMaxMouseRows)
      throw RecordError(fmt::format("{}: {}: the mouse table does not end within {} rows", file, where, kMaxMouseRows));
    require_inside(module, table + i, 1, fmt::format("{}: mouse row {}", where, i));
    const MOUSERECT& row = table[i];
    const std::string here = fmt::format("{}: mouse row {}", where, i);
    constexpr std::int32_t kLimit = 1 << 20;
    if (row.box_x < -kLimit || row.box_x > kLimit || row.box_y < -kLimit || row.box_y > kLimit ||
        row.box_width < 0 || row.box_width > kLimit || row.box_height < 0 || row.box_height > kLimit)
      throw RecordError(fmt::format("{}: {}: box ({}, {}, {}, {}) is out of range", file, here, row.box_x, row.box_y,
                                    row.box_width, row.box_height));
    require_code(module, reinterpret_cast<const void*>(row.handler), here + ": handler");
    switch (row.kind) {
      case MOUSE_RECT_PARENT: ++open_parents; break;
      case MOUSE_RECT_CHILD:
        if (open_parents == 0) throw RecordError(fmt::format("{}: {}: child rectangle outside any parent", file, here));
        if (!row.handler) throw RecordError(fmt::format("{}: {}: child rectangle without a handler", file, here));
        break;
      case MOUSE_RECT_END_PARENT:
        if (open_parents == 0) throw RecordError(fmt::format("{}: {}: end-of-parent row with no open parent", file, here));
        --open_parents;
        break;
      case MOUSE_RECT_EOL:
        if (open_parents != 0)
          throw RecordError(fmt::format("{}: {}: the table ends with {} parent rectangle(s) still open", file, here,
                                        open_parents));
        return {table, i + 1};
      default:
        throw RecordError(fmt::format("{}: {}: unknown row kind {}", file, here, static_cast<std::uint32_t>(row.kind)));
    }
  }
}

std::span<FAILURE_RECORD> check_failure_table(const ModuleLibrary& module, FAILURE_RECORD* table,
                                              const std::string& where) {
  for (std::size_t i = 0;; ++i) {
    if (i == kMaxFailureRows)
      throw RecordError(fmt::format("{}: {}: the failure table does not end within {} rows", module.path().string(),
                                    where, kMaxFailureRows));
    require_inside(module, table + i, 1, where + ": failure table");
    if (table[i].key == 0) return {table, i};
  }
}

}  // namespace panelhost
