#include "render_command.h"

#include <fmt/format.h>

#include <algorithm>

#include "default_layout.h"
#include "eval_command.h"
#include "number_text.h"
#include "output.h"
#include "panel.h"
#include "variable_catalogue.h"

namespace panelhost::panel {
namespace {

// An assignment to a host variable the stand-in knows.
VariableAssignment known_assignment(const std::string& option, const std::string& text) {
  VariableAssignment assignment = parse_assignment(option, text);
  if (!sim::find_variable(assignment.id))
    throw UsageError(fmt::format("{} {}: unknown host variable {}", option, text, assignment.id));
  return assignment;
}

void set_variables(PanelHost& host, const RenderOptions& options) {
  for (const std::string& text : options.sets) {
    const auto [id, value_text] = known_assignment("--set", text);
    if (sim::find_variable(id)->integer_coded) {
      const auto value = parse_u32(value_text);
      if (!value || value_text.starts_with('-'))
        throw UsageError(fmt::format("--set {}: host variable {} is integer-coded: \"{}\" is not a whole number from "
                                     "0 to 4294967295",
                                     text, id, value_text));
      host.variables().set_u32(id, *value);
    } else {
      const auto value = parse_double(value_text);
      if (!value) throw UsageError(fmt::format("--set {}: \"{}\" is not a number", text, value_text));
      host.variables().set_f64(id, *value);
    }
  }
  for (const std::string& text : options.set_ints) {
    const auto [id, value_text] = known_assignment("--set-int", text);
    const auto value = parse_u32(value_text);
    if (!value) throw UsageError(fmt::format("--set-int {}: \"{}\" is not a 32-bit number", text, value_text));
    host.variables().set_u32(id, *value);
  }
}

Layout single_gauge_layout(PanelHost& host, const RenderOptions& options) {
  const std::string& reference = *options.gauge;
  const auto sizes = gauge_sizes(host, options.modules_dir);
  const auto found = sizes.find(reference);
  if (found == sizes.end()) {
    std::string known;
    for (const auto& [name, size] : sizes) known += (known.empty() ? "" : ", ") + name;
    throw UsageError(fmt::format("--gauge {}: no such gauge (the modules hold {})", reference, known));
  }
  Layout layout;
  layout.source = "--gauge " + reference;
  PanelWindow& window = layout.windows.emplace_back();
  window.section = "Window00";
  window.size = {found->second.x * options.zoom, found->second.y * options.zoom};
  GaugePlacement placement;
  placement.key = "gauge00";
  const std::size_t bang = reference.find('!');
  placement.module = reference.substr(0, bang);
  placement.gauge = reference.substr(bang + 1);
  if (options.zoom != 1) {
    placement.width = window.size.x;
    placement.height = window.size.y;
  }
  window.gauges.push_back(placement);
  return layout;
}

std::string file_name(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '/' || c == '\\' || c == '!' || c == ' '; }, '_');
  return text;
}

}  // namespace

int run_render(const RenderOptions& options, std::ostream& out) {
  if (options.gauge && options.layout_file) throw UsageError("give --gauge or --layout, not both");
  if (options.zoom < 1 || options.zoom > 8) throw UsageError("--zoom must lie from 1 to 8");
  if (options.zoom != 1 && !options.gauge) throw UsageError("--zoom applies to a single gauge (--gauge)");
  if (options.updates == 0) throw UsageError("--updates must be at least 1");
  PanelHost host;
  Layout layout = options.gauge         ? single_gauge_layout(host, options)
                  : options.layout_file ? read_layout(*options.layout_file)
                                        : default_layout(host, options.modules_dir);
  if (options.print_layout) {
    out << layout_text(layout);
    return 0;
  }
  set_variables(host, options);
  Panel panel(host, std::move(layout), options.modules_dir);
  for (std::size_t i = 0; i < options.updates; ++i) panel.update();
  const std::filesystem::path path =
      !options.out.empty() ? options.out
                           : std::filesystem::path("out") /
                                 (options.gauge ? file_name(*options.gauge) + ".png" : std::string("panel.png"));
  if (options.hotspots) {
    render::write_png(path, panel.frame_with_hotspots());
  } else {
    render::write_png(path, panel.frame());
  }
  out << fmt::format("{}: {}x{}, {} gauges\n", path.string(), panel.size().x, panel.size().y, panel.gauges().size());
  return 0;
}

}  // namespace panelhost::panel
