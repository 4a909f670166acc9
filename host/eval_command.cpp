#include "eval_command.h"

#include <fmt/format.h>

#include "number_text.h"
#include "record_check.h"

namespace panelhost {
namespace {

using nlohmann::json;

ClickStep parse_click(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) throw UsageError("--click " + text + ": expected X,Y[,FLAGS]");
  const auto x = parse_i32(parts[0]);
  const auto y = parse_i32(parts[1]);
  if (!x || !y) throw UsageError("--click " + text + ": X and Y must be 32-bit integers");
  FLAGS32 flags = MOUSE_LEFTSINGLE;
  if (parts.size() == 3) {
    const auto parsed = parse_u32(parts[2]);
    if (!parsed) throw UsageError("--click " + text + ": FLAGS must be a 32-bit number");
    flags = *parsed;
  }
  return {{*x, *y}, flags};
}

}  // namespace

VariableAssignment parse_assignment(const std::string& option, const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) throw UsageError(fmt::format("{} {}: expected ID=VALUE", option, text));
  const std::string id_text = text.substr(0, equals);
  const auto id = parse_u32(id_text);
  if (!id || id_text.starts_with('-'))
    throw UsageError(fmt::format("{} {}: \"{}\" is not a variable id", option, text, id_text));
  return {*id, text.substr(equals + 1)};
}

std::vector<EvalStep> parse_eval_steps(const std::vector<std::string>& arguments) {
  std::vector<EvalStep> steps;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    const auto operand = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw UsageError(option + ": missing its value");
      return arguments[++i];
    };
    if (option == "--update") {
      steps.emplace_back(UpdateStep{});
    } else if (option == "--set" || option == "--set-int") {
      const std::string& text = operand();
      const auto [id, value_text] = parse_assignment(option, text);
      if (option == "--set") {
        const auto value = parse_double(value_text);
        if (!value) throw UsageError(fmt::format("--set {}: \"{}\" is not a number", text, value_text));
        steps.emplace_back(SetStep{id, {false, *value, 0}});
      } else {
        const auto value = parse_u32(value_text);
        if (!value) throw UsageError(fmt::format("--set-int {}: \"{}\" is not a 32-bit integer", text, value_text));
        steps.emplace_back(SetStep{id, {true, 0.0, *value}});
      }
    } else if (option == "--click") {
      steps.emplace_back(parse_click(operand()));
    } else {
      throw UsageError("unknown step \"" + option + "\" (expected --set, --set-int, --update or --click)");
    }
  }
  return steps;
}

json element_values_json(const GaugeInstance& gauge) {
  json elements = json::array();
  for (std::size_t i = 0; i < gauge.elements().size(); ++i) {
    const ELEMENT_HEADER* element = gauge.elements()[i].element;
    const auto names = axis_names(element->kind);
    json values = json::object();
    for (std::size_t axis = 0; axis < names.size(); ++axis)
      values[names[axis]] = double_json(gauge.values()[i].value[axis]);
    elements.push_back({{"index", i}, {"kind", element_kind_name(element->kind)}, {"bitmap", element->bitmap_id},
                        {"values", values}});
  }
  return elements;
}

json mouse_outcome_json(const MouseOutcome& outcome) {
  json events = json::array();
  for (const KeyEvent& event : outcome.key_events) events.push_back({{"id", event.id}, {"value", event.value}});
  json windows = json::array();
  for (const WindowToggle& toggle : outcome.window_toggles)
    windows.push_back({{"window", toggle.window_id}, {"open", toggle.open_after}});
  return {{"handled", outcome.handled},
          {"row", outcome.handled ? json(outcome.row) : json(nullptr)},
          {"result", outcome.result},
          {"key_events", events},
          {"windows_toggled", windows}};
}

json run_eval(PanelHost& host, GaugeInstance& gauge, const std::vector<EvalStep>& steps) {
  json report = {{"module", gauge.module().name()}, {"gauge", gauge.name()}, {"steps", json::array()}};
  for (const EvalStep& step : steps) {
    json entry;
    if (const auto* set = std::get_if<SetStep>(&step)) {
      host.variables().set(set->id, set->value);
      entry = {{"step", set->value.integer_coded ? "set-int" : "set"}, {"id", set->id}};
      entry["value"] = set->value.integer_coded ? json(set->value.u32) : double_json(set->value.f64);
    } else if (std::holds_alternative<UpdateStep>(step)) {
      host.update(gauge);
      entry = {{"step", "update"}, {"update", gauge.updates()}, {"elements", element_values_json(gauge)}};
    } else {
      const auto& click = std::get<ClickStep>(step);
      entry = {{"step", "click"}, {"x", click.point.x}, {"y", click.point.y}, {"flags", click.flags}};
      entry.update(mouse_outcome_json(host.mouse(gauge, click.point, click.flags)));
    }
    report["steps"].push_back(entry);
  }
  return report;
}

std::string eval_text(const json& report) {
  std::string out = fmt::format("{} \"{}\"\n", report["module"].get<std::string>(), report["gauge"].get<std::string>());
  const auto number = [](const json& value) {
    return value.is_string() ? value.get<std::string>() : double_text(value.get<double>());
  };
  for (const json& step : report["steps"]) {
    const std::string kind = step["step"].get<std::string>();
    if (kind == "set") {
      out += fmt::format("set {} = {}\n", step["id"].get<std::uint32_t>(), number(step["value"]));
    } else if (kind == "set-int") {
      out += fmt::format("set {} = {} (integer)\n", step["id"].get<std::uint32_t>(), step["value"].get<std::uint32_t>());
    } else if (kind == "update") {
      out += fmt::format("update {}\n", step["update"].get<std::size_t>());
      for (const json& element : step["elements"]) {
        if (element["values"].empty()) continue;
        out += fmt::format("  #{} {} {:#x}:", element["index"].get<std::size_t>(), element["kind"].get<std::string>(),
                           element["bitmap"].get<std::uint32_t>());
        for (const auto& [axis, value] : element["values"].items()) out += fmt::format(" {}={}", axis, number(value));
        out += "\n";
      }
    } else {
      out += fmt::format("click ({}, {}) flags {:#010x}: ", step["x"].get<int>(), step["y"].get<int>(),
                         step["flags"].get<std::uint32_t>());
      if (!step["handled"].get<bool>()) {
        out += "no mouse rectangle takes it\n";
        continue;
      }
      out += fmt::format("row {}, result {}", step["row"].get<std::size_t>(), step["result"].get<int>());
      std::string events;
      for (const json& event : step["key_events"])
        events += fmt::format(" {:#x}={}", event["id"].get<std::uint32_t>(), event["value"].get<std::uint32_t>());
      out += ", key events:" + (events.empty() ? std::string(" none") : events);
      std::string windows;
      for (const json& toggle : step["windows_toggled"])
        windows += fmt::format(" {} {}", toggle["window"].get<std::uint32_t>(), toggle["open"].get<bool>() ? "open" : "closed");
      out += ", windows toggled:" + (windows.empty() ? std::string(" none") : windows) + "\n";
    }
  }
  return out;
}

}  // namespace panelhost
