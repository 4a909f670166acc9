#include "inspect.h"

#include <fmt/format.h>

#include <map>

#include "bitmap.h"
#include "number_text.h"
#include "panel_host.h"
#include "record_check.h"

namespace panelhost {
namespace {

using json = nlohmann::ordered_json;


json point_json(PIXPOINT point) { return json::array({point.x, point.y}); }

// Failure tables are named by the order they are first met, so a shared
// table shows as the same name on every element that carries it.
class FailureTableNames {
 public:
  json describe(const ModuleLibrary& module, FAILURE_RECORD* table, const std::string& where) {
    if (!table) return nullptr;
    auto [found, added] = names_.try_emplace(table, names_.size() + 1);
    json rows = json::array();
    for (const FAILURE_RECORD& row : check_failure_table(module, table, where))
      rows.push_back({{"key", row.key}, {"action", row.action}});
    return {{"table", found->second}, {"rows", rows}};
  }

 private:
  std::map<const FAILURE_RECORD*, std::size_t> names_;
};

json bitmap_json(const ModuleLibrary& module, std::uint32_t id, const std::string& role) {
  json entry = {{"id", id}, {"role", role}};
  const auto bytes = module.resource(kResourceTypeBitmap, id);
  if (!bytes) {
    entry["problem"] = "missing";
    return entry;
  }
  try {
    const BitmapSize size = bitmap_size(*bytes, bitmap_name(id));
    entry["width"] = size.width;
    entry["height"] = size.height;
    entry["bits"] = size.bits;
  } catch (const BitmapError& error) {
    entry["problem"] = error.what();
  }
  return entry;
}

json variable_json(const MODULE_VAR& var) { return var.id; }

template <typename Callback>
json callback_json(const ModuleLibrary& module, Callback callback) {
  if (!callback) return nullptr;
  return code_reference(module, reinterpret_cast<const void*>(callback));
}

json element_json(const ModuleLibrary& module, const ElementNode& node, std::size_t index, FailureTableNames& failures,
                  const std::string& where) {
  ELEMENT_HEADER* element = node.element;
  json entry = {
      {"index", index},
      {"depth", node.depth},
      {"parent", node.parent == ElementNode::npos ? json(nullptr) : json(node.parent)},
      {"kind", element_kind_name(element->kind)},
      {"kind_code", static_cast<std::uint32_t>(element->kind)},
      {"bitmap", element->bitmap_id},
      {"position", point_json(element->position)},
      {"pivot", point_json(element->pivot_offset)},
      {"image_flags", element->image_flags},
      {"failure_table", failures.describe(module, element->failure_table, where)},
  };
  json pictures = json::array();
  switch (element->kind) {
    case ELEMENT_KIND_STATIC_IMAGE:
      pictures.push_back(bitmap_json(module, element->bitmap_id, "image"));
      break;
    case ELEMENT_KIND_NEEDLE: {
      auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(element);
      entry["variable"] = variable_json(needle->source_var);
      entry["callback"] = callback_json(module, needle->value_callback);
      entry["max_degrees_per_tick"] = needle->max_degrees_per_tick;
      json rows = json::array();
      for (std::uint32_t i = 0; i < needle->nonlinearity_rows; ++i) {
        const NONLINEARITY& row = needle->nonlinearity[i];
        rows.push_back({{"point", point_json(row.point)}, {"value", double_json(row.value)},
                        {"degrees", double_json(row.degrees)}});
      }
      entry["calibration"] = rows;
      pictures.push_back(bitmap_json(module, element->bitmap_id, "needle"));
      break;
    }
    case ELEMENT_KIND_ICON: {
      auto* icon = reinterpret_cast<ELEMENT_ICON*>(element);
      entry["variable"] = variable_json(icon->source_var);
      entry["callback"] = callback_json(module, icon->value_callback);
      entry["picture_count"] = icon->picture_count;
      for (std::uint32_t i = 0; i < icon->picture_count; ++i)
        pictures.push_back(bitmap_json(module, element->bitmap_id + i, fmt::format("picture {}", i)));
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE: {
      auto* image = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element);
      entry["axes"] = {
          {"x", {{"variable", variable_json(image->source_var_x)}, {"minimum", double_json(image->min_x)},
                 {"maximum", double_json(image->max_x)}, {"callback", callback_json(module, image->value_callback_x)}}},
          {"y", {{"variable", variable_json(image->source_var_y)}, {"minimum", double_json(image->min_y)},
                 {"maximum", double_json(image->max_y)}, {"callback", callback_json(module, image->value_callback_y)}}},
      };
      pictures.push_back(bitmap_json(module, element->bitmap_id, "strip"));
      pictures.push_back(bitmap_json(module, element->bitmap_id + 1, "window"));
      break;
    }
    case ELEMENT_KIND_SPRITE: {
      auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(element);
      entry["axes"] = {
          {"x", {{"variable", variable_json(sprite->source_var_x)}, {"scale", double_json(sprite->scale_x)},
                 {"callback", callback_json(module, sprite->value_callback_x)}}},
          {"y", {{"variable", variable_json(sprite->source_var_y)}, {"scale", double_json(sprite->scale_y)},
                 {"callback", callback_json(module, sprite->value_callback_y)}}},
          {"rotation", {{"variable", variable_json(sprite->source_var_rotation)},
                        {"scale", double_json(sprite->scale_rotation)},
                        {"callback", callback_json(module, sprite->value_callback_rotation)}}},
      };
      entry["texture_scale"] = json::array({double_json(sprite->texture_scale_x), double_json(sprite->texture_scale_y)});
      pictures.push_back(bitmap_json(module, element->bitmap_id, "sprite"));
      pictures.push_back(bitmap_json(module, element->bitmap_id + 1, "window"));
      break;
    }
    case ELEMENT_KIND_SLIDER: {
      auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(element);
      entry["axes"] = {
          {"x", {{"variable", variable_json(slider->source_var_x)}, {"scale", double_json(slider->scale_x)},
                 {"callback", callback_json(module, slider->value_callback_x)}}},
          {"y", {{"variable", variable_json(slider->source_var_y)}, {"scale", double_json(slider->scale_y)},
                 {"callback", callback_json(module, slider->value_callback_y)}}},
      };
      pictures.push_back(bitmap_json(module, element->bitmap_id, "knob"));
      break;
    }
    default: break;
  }
  entry["pictures"] = pictures;
  return entry;
}

const char* mouse_kind_name(std::uint32_t kind) {
  switch (kind) {
    case MOUSE_RECT_PARENT: return "parent";
    case MOUSE_RECT_CHILD: return "child";
    case MOUSE_RECT_END_PARENT: return "end parent";
    case MOUSE_RECT_EOL: return "end table";
    default: return "unknown";
  }
}

json mouse_json(const ModuleLibrary& module, std::span<const MOUSERECT> rows) {
  json result = json::array();
  std::size_t depth = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MOUSERECT& row = rows[i];
    if (row.kind == MOUSE_RECT_END_PARENT && depth > 0) --depth;
    result.push_back({
        {"row", i},
        {"depth", depth},
        {"kind", mouse_kind_name(row.kind)},
        {"box", json::array({row.box_x, row.box_y, row.box_width, row.box_height})},
        {"cursor", row.cursor},
        {"help_id", row.help_id},
        {"mouse_flags", row.mouse_flags},
        {"key_event", row.key_event_id},
        {"handler", callback_json(module, row.handler)},
    });
    if (row.kind == MOUSE_RECT_PARENT) ++depth;
  }
  return result;
}

json version_json(const ModuleLibrary& module) {
  const auto bytes = module.resource(kResourceTypeVersion, 1);
  if (!bytes) return nullptr;
  json strings = json::object();
  std::string text(bytes->begin(), bytes->end());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) strings[line.substr(0, equals)] = line.substr(equals + 1);
    start = end + 1;
  }
  return strings;
}

}  // namespace

std::string code_reference(const ModuleLibrary& module, const void* function) {
  const auto address = reinterpret_cast<std::uintptr_t>(function);
  // The module exports no function names; an offset into the loaded module
  // tells functions apart, and the same function shows the same reference.
  if (module.base_address() != 0 && address >= module.base_address())
    return fmt::format("code +{:#x}", address - module.base_address());
  return fmt::format("code {}", fmt::ptr(function));
}

json inspect_module(PanelHost& host, ModuleLibrary& module) {
  const std::vector<GAUGEHDR*> table = check_gauge_table(module);
  const LINKAGE_HEAD* linkage = module.linkage();
  json report = {
      {"module", module.name()},
      {"file", module.path().string()},
      {"import_table", json::array({{{"id", module.import_table()->panels.id}},
                                    {{"id", module.import_table()->end.id}}})},
      {"linkage", {{"module_id", linkage->module_id}, {"flags", linkage->flags}, {"priority", linkage->priority},
                   {"version", linkage->version}}},
      {"version_block", version_json(module)},
  };
  FailureTableNames failures;
  json gauges = json::array();
  for (std::size_t i = 0; i < table.size(); ++i) {
    GAUGEHDR* gauge = table[i];
    const std::string name = check_gauge_name(module, gauge, i);
    const std::string where = fmt::format("gauge \"{}\" (table entry {})", name, i);
    json routines = json::object();
    routines["query"] = callback_json(module, gauge->query_routine);
    routines["install"] = callback_json(module, gauge->install_routine);
    routines["initialize"] = callback_json(module, gauge->initialize_routine);
    routines["update"] = callback_json(module, gauge->update_routine);
    routines["generate"] = callback_json(module, gauge->generate_routine);
    routines["draw"] = callback_json(module, gauge->draw_routine);
    routines["kill"] = callback_json(module, gauge->kill_routine);
    json elements = json::array();
    const std::vector<ElementNode> nodes = check_elements(module, gauge, where);
    for (std::size_t e = 0; e < nodes.size(); ++e) elements.push_back(element_json(module, nodes[e], e, failures, where));
    gauges.push_back({
        {"position", i},
        {"name", name},
        {"header_version", gauge->header_version},
        {"default_width_mm", gauge->default_width_mm},
        {"routines", routines},
        {"elements", elements},
        {"mouse_rows", mouse_json(module, check_mouse_table(module, gauge->mouse_rect, where))},
    });
    if (gauge->header_version == kGaugeHeaderVersion610) {
      GaugeInstance& installed = host.install(module, name);
      gauges.back()["mouse_rows"] = mouse_json(module, installed.mouse_rows());
      gauges.back()["mouse_rows_installed_by_gauge"] = true;
      host.remove(installed);
    }
  }
  report["gauges"] = gauges;
  return report;
}

namespace {

std::string number_text(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number_float()) return double_text(value.get<double>());
  return value.dump();
}

std::string axis_text(const std::string& axis, const json& fields) {
  std::string text = fmt::format("{}: variable {}", axis, fields["variable"].get<std::uint32_t>());
  for (const char* key : {"minimum", "maximum", "scale"})
    if (fields.contains(key)) text += fmt::format(", {} {}", key, number_text(fields[key]));
  text += ", callback " + (fields["callback"].is_null() ? std::string("none") : fields["callback"].get<std::string>());
  return text;
}

}  // namespace

std::string inspect_text(const json& report) {
  std::string out;
  out += fmt::format("module {} ({})\n", report["module"].get<std::string>(), report["file"].get<std::string>());
  const json& linkage = report["linkage"];
  out += fmt::format("  Linkage: module id {:#x}, flags {}, priority {}, version {}\n",
                     linkage["module_id"].get<std::uint32_t>(), linkage["flags"].get<std::uint32_t>(),
                     linkage["priority"].get<std::uint32_t>(), linkage["version"].get<std::uint32_t>());
  if (!report["version_block"].is_null()) {
    out += "  version block:";
    for (const auto& [key, value] : report["version_block"].items()) out += fmt::format(" {}=\"{}\"", key, value.get<std::string>());
    out += "\n";
  }
  out += fmt::format("  gauge table: {} gauge(s)\n", report["gauges"].size());
  for (const json& gauge : report["gauges"]) {
    out += fmt::format("\n[{}] \"{}\"  header version {}, default width {} mm\n", gauge["position"].get<std::size_t>(),
                       gauge["name"].get<std::string>(), gauge["header_version"].get<std::uint32_t>(),
                       gauge["default_width_mm"].get<std::uint32_t>());
    std::string routines;
    for (const auto& [key, value] : gauge["routines"].items())
      routines += fmt::format(" {}={}", key, value.is_null() ? "none" : value.get<std::string>());
    out += "  routines:" + routines + "\n";
    out += "  elements (drawing order):\n";
    for (const json& element : gauge["elements"]) {
      const std::string indent(4 + 2 * element["depth"].get<std::size_t>(), ' ');
      out += fmt::format("{}#{} {} bitmap {:#x} ({}) at ({}, {}) pivot ({}, {}) flags {:#x}\n", indent,
                         element["index"].get<std::size_t>(), element["kind"].get<std::string>(),
                         element["bitmap"].get<std::uint32_t>(), element["bitmap"].get<std::uint32_t>(), element["position"][0].get<int>(),
                         element["position"][1].get<int>(), element["pivot"][0].get<int>(),
                         element["pivot"][1].get<int>(), element["image_flags"].get<std::uint32_t>());
      const std::string more = indent + "   ";
      if (element.contains("variable"))
        out += fmt::format("{}variable {}, callback {}\n", more, element["variable"].get<std::uint32_t>(),
                           element["callback"].is_null() ? "none" : element["callback"].get<std::string>());
      if (element.contains("axes"))
        for (const auto& [axis, fields] : element["axes"].items()) out += more + axis_text(axis, fields) + "\n";
      if (element.contains("texture_scale"))
        out += fmt::format("{}texture scale {} x {}\n", more, number_text(element["texture_scale"][0]),
                           number_text(element["texture_scale"][1]));
      if (element.contains("calibration")) {
        out += fmt::format("{}max degrees per tick {}; calibration rows:\n", more,
                           element["max_degrees_per_tick"].get<int>());
        for (const json& row : element["calibration"])
          out += fmt::format("{}  point ({}, {})  value {}  degrees {}\n", more, row["point"][0].get<int>(),
                             row["point"][1].get<int>(), number_text(row["value"]), number_text(row["degrees"]));
      }
      const json& failures = element["failure_table"];
      if (failures.is_null()) {
        out += more + "failure table: none\n";
      } else {
        std::string rows;
        for (const json& row : failures["rows"])
          rows += fmt::format(" (key {}, action {})", row["key"].get<std::uint32_t>(), row["action"].get<std::uint32_t>());
        out += fmt::format("{}failure table #{}:{}\n", more, failures["table"].get<std::size_t>(),
                           rows.empty() ? " empty" : rows);
      }
      for (const json& picture : element["pictures"]) {
        out += fmt::format("{}{} {:#x} ({}): ", more, picture["role"].get<std::string>(), picture["id"].get<std::uint32_t>(), picture["id"].get<std::uint32_t>());
        if (picture.contains("problem"))
          out += picture["problem"].get<std::string>() + "\n";
        else
          out += fmt::format("{}x{}, {}-bit\n", picture["width"].get<int>(), picture["height"].get<int>(),
                             picture["bits"].get<int>());
      }
    }
    out += "  mouse rows:\n";
    if (gauge.contains("mouse_rows_installed_by_gauge")) out += "    (installed by the gauge's own routines)\n";
    if (gauge["mouse_rows"].empty()) out += "    none\n";
    for (const json& row : gauge["mouse_rows"]) {
      const std::string indent(4 + 2 * row["depth"].get<std::size_t>(), ' ');
      out += fmt::format("{}{:>2} {:<10} box ({}, {}, {}, {}) cursor {} help {:#x} flags {:#010x}", indent,
                         row["row"].get<std::size_t>(), row["kind"].get<std::string>(), row["box"][0].get<int>(),
                         row["box"][1].get<int>(), row["box"][2].get<int>(), row["box"][3].get<int>(),
                         row["cursor"].get<int>(), row["help_id"].get<std::uint32_t>(),
                         row["mouse_flags"].get<std::uint32_t>());
      if (!row["handler"].is_null()) out += " handler " + row["handler"].get<std::string>();
      out += "\n";
    }
  }
  return out;
}

}  // namespace panelhost
