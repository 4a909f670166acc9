#include "panel_host.h"

#include <fmt/format.h>

#include <algorithm>

#include "bitmap.h"
#include "mouse_dispatch.h"

namespace panelhost {
namespace {

PanelHost* current_host = nullptr;

}  // namespace

// The static service table: each slot reaches the current host. A service
// never throws back into module code; a problem it meets is kept and raised
// once the module's routine has returned.
struct ServiceTrampolines {
  static void GAUGE_CALL element_list_query(ELEMENT_HEADER* root) {
    if (current_host) current_host->log_call("element_list_query", {root});
  }
  static void GAUGE_CALL element_list_install(ELEMENT_HEADER* root, std::uint32_t argument) {
    if (current_host) current_host->element_list_install(root, argument);
  }
  static void GAUGE_CALL element_list_initialize(ELEMENT_HEADER* root) {
    if (current_host) current_host->log_call("element_list_initialize", {root});
  }
  static void GAUGE_CALL element_list_update(ELEMENT_HEADER* root) {
    if (current_host) current_host->element_list_update(root);
  }
  static void GAUGE_CALL element_list_generate(ELEMENT_HEADER* root, std::uint32_t argument) {
    if (current_host) current_host->log_call("element_list_generate", {root}, argument);
  }
  static void GAUGE_CALL element_list_plot(ELEMENT_HEADER* root) {
    if (current_host) current_host->log_call("element_list_plot", {root});
  }
  static void GAUGE_CALL element_list_kill(ELEMENT_HEADER* root) {
    if (current_host) current_host->element_list_kill(root);
  }
  static void GAUGE_CALL mouse_list_install(MOUSERECT* table, GAUGEHDR* gauge, PIXSIZE* size) {
    if (current_host) current_host->mouse_list_install(table, gauge, size);
  }
  static void GAUGE_CALL mouse_list_register(MOUSERECT* table, GAUGEHDR* gauge) {
    if (current_host) current_host->mouse_list_register(table, gauge);
  }
  static void GAUGE_CALL mouse_list_unregister(MOUSERECT* table, GAUGEHDR* gauge) {
    if (current_host) current_host->mouse_list_unregister(table, gauge);
  }
  static BOOL32 GAUGE_CALL panel_window_toggle(std::uint32_t window_id) {
    return current_host ? current_host->panel_window_toggle(window_id) : 0;
  }
  static BOOL32 GAUGE_CALL trigger_key_event(std::uint32_t event_id, std::uint32_t value) {
    return current_host ? current_host->trigger_key_event(event_id, value) : 0;
  }
  static void GAUGE_CALL lookup_var(MODULE_VAR* var) {
    if (current_host) current_host->lookup_var(var);
  }

  static PANELS table;
  static std::optional<std::string> pending_error;

  static void fail(std::string message) {
    if (!pending_error) pending_error = std::move(message);
  }
  // Raises what a service met while a module routine ran.
  static void raise_pending() {
    if (pending_error) {
      std::string message = std::move(*pending_error);
      pending_error.reset();
      throw HostError(message);
    }
  }
};

PANELS ServiceTrampolines::table = {
    ServiceTrampolines::element_list_query,   ServiceTrampolines::element_list_install,
    ServiceTrampolines::element_list_initialize, ServiceTrampolines::element_list_update,
    ServiceTrampolines::element_list_generate, ServiceTrampolines::element_list_plot,
    ServiceTrampolines::element_list_kill,    ServiceTrampolines::mouse_list_install,
    ServiceTrampolines::mouse_list_register,  ServiceTrampolines::mouse_list_unregister,
    ServiceTrampolines::panel_window_toggle,  ServiceTrampolines::trigger_key_event,
    ServiceTrampolines::lookup_var,
};
std::optional<std::string> ServiceTrampolines::pending_error;

std::span<const char* const> axis_names(std::uint32_t kind) {
  static constexpr const char* kValue[] = {"value"};
  static constexpr const char* kXY[] = {"x", "y"};
  static constexpr const char* kXYRotation[] = {"x", "y", "rotation"};
  switch (kind) {
    case ELEMENT_KIND_NEEDLE:
    case ELEMENT_KIND_ICON: return kValue;
    case ELEMENT_KIND_MOVING_IMAGE:
    case ELEMENT_KIND_SLIDER: return kXY;
    case ELEMENT_KIND_SPRITE: return kXYRotation;
    default: return {};
  }
}

PIXSIZE GaugeInstance::size() const {
  if (elements_.empty()) return {0, 0};
  const auto* root = reinterpret_cast<const ELEMENT_STATIC_IMAGE*>(elements_.front().element);
  return root->image ? root->image->size : PIXSIZE{0, 0};
}

PanelHost::PanelHost() : previous_(current_host) { current_host = this; }

PanelHost::~PanelHost() {
  while (!gauges_.empty()) {
    try {
      remove(*gauges_.back());
    } catch (const std::exception&) {
      gauges_.pop_back();
    }
  }
  for (auto& module : modules_) module->import_table()->panels.pointer = nullptr;
  modules_.clear();
  current_host = previous_;
}

PanelHost* PanelHost::current() { return current_host; }

const PANELS& PanelHost::services() const { return ServiceTrampolines::table; }

ModuleLibrary& PanelHost::load(const std::filesystem::path& path) {
  std::error_code error;
  const auto canonical = std::filesystem::weakly_canonical(path, error);
  for (auto& module : modules_) {
    if (module->path() == path || (!error && std::filesystem::weakly_canonical(module->path(), error) == canonical))
      return *module;
  }
  auto module = ModuleLibrary::open(path);
  check_gauge_table(*module);
  module->import_table()->panels.pointer = &ServiceTrampolines::table;
  modules_.push_back(std::move(module));
  return *modules_.back();
}

GaugeInstance& PanelHost::install(ModuleLibrary& module, std::string_view gauge_name) {
  const std::vector<GAUGEHDR*> table = check_gauge_table(module);
  GAUGEHDR* header = nullptr;
  std::size_t position = 0;
  std::string known;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string name = check_gauge_name(module, table[i], i);
    known += (known.empty() ? "\"" : ", \"") + name + "\"";
    if (name == gauge_name && !header) {
      header = table[i];
      position = i;
    }
  }
  if (!header)
    throw HostError(fmt::format("{}: no gauge named \"{}\" (the module has {})", module.path().string(), gauge_name,
                                known));
  if (gauge_with_header(header))
    throw HostError(fmt::format("{}: gauge \"{}\" is already installed", module.path().string(), gauge_name));

  const std::string where = fmt::format("gauge \"{}\" (table entry {})", gauge_name, position);
  auto gauge = std::make_unique<GaugeInstance>();
  gauge->header_ = header;
  gauge->module_ = &module;
  gauge->name_ = std::string(gauge_name);
  gauge->elements_ = check_elements(module, header, where);
  gauge->values_.resize(gauge->elements_.size());
  for (std::size_t i = 0; i < gauge->elements_.size(); ++i)
    gauge->values_[i].axes = axis_names(gauge->elements_[i].element->kind).size();
  GaugeInstance& installed = *gauges_.emplace_back(std::move(gauge));

  try {
    if (header->header_version == kGaugeHeaderVersion700) {
      install_images(installed);
      installed.mouse_rows_ = check_mouse_table(module, header->mouse_rect, where);
      installed.registered_ = !installed.mouse_rows_.empty();
    } else {
      if (header->install_routine) header->install_routine(0);
      ServiceTrampolines::raise_pending();
    }
  } catch (...) {
    release_images(installed);
    gauges_.pop_back();
    throw;
  }
  return installed;
}

void PanelHost::remove(GaugeInstance& gauge) {
  if (gauge.header_->header_version == kGaugeHeaderVersion610 && gauge.header_->kill_routine) {
    gauge.header_->kill_routine();
  } else {
    element_list_kill(gauge.elements_.front().element);
    gauge.registered_ = false;
  }
  release_images(gauge);
  std::erase_if(gauges_, [&](const auto& installed) { return installed.get() == &gauge; });
  ServiceTrampolines::raise_pending();
}

void PanelHost::update(GaugeInstance& gauge) {
  if (gauge.header_->header_version == kGaugeHeaderVersion610) {
    if (gauge.header_->update_routine) gauge.header_->update_routine();
    ServiceTrampolines::raise_pending();
  } else {
    element_list_update(gauge.elements_.front().element);
  }
}

MouseOutcome PanelHost::mouse(GaugeInstance& gauge, PIXPOINT point, FLAGS32 event_flags) {
  MouseOutcome outcome;
  const std::span<MOUSERECT> rows = gauge.mouse_rows();
  std::optional<MouseTarget> target;
  // A drag belongs to the child the press started in, wherever it goes.
  if ((event_flags & MOUSE_LEFTDRAG) && gauge.captured_row_ && *gauge.captured_row_ < rows.size() &&
      answers(rows[*gauge.captured_row_], event_flags)) {
    const MOUSERECT& row = rows[*gauge.captured_row_];
    target = MouseTarget{*gauge.captured_row_, gauge.captured_origin_, {row.box_width, row.box_height}};
  } else {
    target = find_mouse_target(rows, gauge.size(), point, event_flags);
  }
  if (event_flags & MOUSE_LEFTSINGLE) {
    gauge.captured_row_ = target ? std::optional(target->row) : std::nullopt;
    if (target) gauge.captured_origin_ = target->origin;
  }
  if (!target) return outcome;

  const std::size_t events_before = key_events_.size();
  const std::size_t toggles_before = window_toggles_.size();
  PIXPOINT relative{point.x - target->origin.x, point.y - target->origin.y};
  outcome.handled = true;
  outcome.row = target->row;
  outcome.result = rows[target->row].handler(&relative, event_flags);
  ServiceTrampolines::raise_pending();
  outcome.key_events.assign(key_events_.begin() + static_cast<std::ptrdiff_t>(events_before), key_events_.end());
  outcome.window_toggles.assign(window_toggles_.begin() + static_cast<std::ptrdiff_t>(toggles_before),
                                window_toggles_.end());
  return outcome;
}

bool PanelHost::window_open(std::uint32_t window_id) const {
  const auto found = windows_.find(window_id);
  return found != windows_.end() && found->second;
}

// --- Services ----------------------------------------------------------------

void PanelHost::log_call(std::string service, std::vector<const void*> records, std::uint32_t argument) {
  if (service_calls_.size() == 2 * kServiceCallsKept)
    service_calls_.erase(service_calls_.begin(), service_calls_.begin() + kServiceCallsKept);
  service_calls_.push_back({std::move(service), std::move(records), argument});
}

GaugeInstance* PanelHost::gauge_with_root(const ELEMENT_HEADER* root) {
  for (auto& gauge : gauges_)
    if (!gauge->elements_.empty() && gauge->elements_.front().element == root) return gauge.get();
  return nullptr;
}

GaugeInstance* PanelHost::gauge_with_header(const GAUGEHDR* header) {
  for (auto& gauge : gauges_)
    if (gauge->header_ == header) return gauge.get();
  return nullptr;
}

void PanelHost::install_images(GaugeInstance& gauge) {
  for (const ElementNode& node : gauge.elements_) {
    if (node.element->kind != ELEMENT_KIND_STATIC_IMAGE) continue;
    const std::uint32_t id = node.element->bitmap_id;
    const std::string what = fmt::format("{}: gauge \"{}\": {}", gauge.module_->path().string(), gauge.name_,
                                         bitmap_name(id));
    const auto bytes = gauge.module_->resource(kResourceTypeBitmap, id);
    if (!bytes) throw HostError(what + ": the module has no such bitmap");
    BitmapSize size{};
    try {
      size = bitmap_size(*bytes, what);
    } catch (const BitmapError& error) {
      throw HostError(error.what());
    }
    auto image = std::make_unique<INSTALLED_IMAGE>();
    image->size = {size.width, size.height};
    reinterpret_cast<ELEMENT_STATIC_IMAGE*>(node.element)->image = image.get();
    gauge.images_[node.element] = std::move(image);
  }
}

void PanelHost::element_list_install(ELEMENT_HEADER* root, std::uint32_t argument) {
  log_call("element_list_install", {root}, argument);
  GaugeInstance* gauge = gauge_with_root(root);
  if (!gauge) return ServiceTrampolines::fail("element_list_install: the element is no installed gauge's root");
  try {
    install_images(*gauge);
  } catch (const std::exception& error) {
    ServiceTrampolines::fail(error.what());
  }
}

void PanelHost::element_list_update(ELEMENT_HEADER* root) {
  log_call("element_list_update", {root});
  GaugeInstance* gauge = gauge_with_root(root);
  if (!gauge) return ServiceTrampolines::fail("element_list_update: the element is no installed gauge's root");
  for (std::size_t i = 0; i < gauge->elements_.size(); ++i) evaluate(*gauge, i);
  ++gauge->updates_;
}

void PanelHost::element_list_kill(ELEMENT_HEADER* root) {
  log_call("element_list_kill", {root});
  GaugeInstance* gauge = gauge_with_root(root);
  if (gauge) release_images(*gauge);
}

// The module's static images stop pointing at images the host no longer has.
void PanelHost::release_images(GaugeInstance& gauge) {
  for (auto& [element, image] : gauge.images_) reinterpret_cast<ELEMENT_STATIC_IMAGE*>(element)->image = nullptr;
  gauge.images_.clear();
}

void PanelHost::mouse_list_install(MOUSERECT* table, GAUGEHDR* header, PIXSIZE* size) {
  log_call("mouse_list_install", {table, header, size});
  GaugeInstance* gauge = gauge_with_header(header);
  if (!gauge) return ServiceTrampolines::fail("mouse_list_install: the gauge header is no installed gauge's");
  try {
    gauge->mouse_rows_ = check_mouse_table(*gauge->module_, table, "gauge \"" + gauge->name_ + "\"");
  } catch (const std::exception& error) {
    ServiceTrampolines::fail(error.what());
  }
}

void PanelHost::mouse_list_register(MOUSERECT* table, GAUGEHDR* header) {
  log_call("mouse_list_register", {table, header});
  GaugeInstance* gauge = gauge_with_header(header);
  if (!gauge) return ServiceTrampolines::fail("mouse_list_register: the gauge header is no installed gauge's");
  if (gauge->mouse_rows_.data() != table)
    return ServiceTrampolines::fail("mouse_list_register: the table was not installed for gauge \"" + gauge->name_ + "\"");
  gauge->registered_ = true;
}

void PanelHost::mouse_list_unregister(MOUSERECT* table, GAUGEHDR* header) {
  log_call("mouse_list_unregister", {table, header});
  GaugeInstance* gauge = gauge_with_header(header);
  if (gauge && gauge->mouse_rows_.data() == table) gauge->registered_ = false;
}

BOOL32 PanelHost::panel_window_toggle(std::uint32_t window_id) {
  const bool open = !window_open(window_id);
  windows_[window_id] = open;
  window_toggles_.push_back({window_id, open});
  return 1;
}

BOOL32 PanelHost::trigger_key_event(std::uint32_t event_id, std::uint32_t value) {
  const KeyEvent event{event_id, value};
  key_events_.push_back(event);
  for (const auto& listener : key_event_listeners_) listener(event);
  return 1;
}

void PanelHost::lookup_var(MODULE_VAR* var) {
  if (var) variables_.deliver(*var);
}

// --- Evaluation --------------------------------------------------------------

namespace {

// One axis: refresh the variable from its token, then the callback's value,
// or the variable's own value where there is no callback.
template <typename Element, typename Callback>
double axis_value(const HostVariables& variables, Element* element, MODULE_VAR& var, Callback callback) {
  if (var.id != 0) variables.deliver(var);
  if (callback) return callback(element);
  return var.id != 0 ? variables.get(var.id).number() : module_var_f64(var);
}

}  // namespace

void PanelHost::evaluate(GaugeInstance& gauge, std::size_t index) {
  ELEMENT_HEADER* element = gauge.elements_[index].element;
  ElementValues& values = gauge.values_[index];
  switch (element->kind) {
    case ELEMENT_KIND_NEEDLE: {
      auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(element);
      values.value[0] = needle->host_value = axis_value(variables_, needle, needle->source_var, needle->value_callback);
      break;
    }
    case ELEMENT_KIND_ICON: {
      auto* icon = reinterpret_cast<ELEMENT_ICON*>(element);
      values.value[0] = icon->host_value = axis_value(variables_, icon, icon->source_var, icon->value_callback);
      break;
    }
    case ELEMENT_KIND_MOVING_IMAGE: {
      auto* image = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element);
      values.value[0] = image->host_value_x = axis_value(variables_, image, image->source_var_x, image->value_callback_x);
      values.value[1] = image->host_value_y = axis_value(variables_, image, image->source_var_y, image->value_callback_y);
      break;
    }
    case ELEMENT_KIND_SPRITE: {
      auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(element);
      values.value[0] = sprite->host_value_x =
          axis_value(variables_, sprite, sprite->source_var_x, sprite->value_callback_x);
      values.value[1] = sprite->host_value_y =
          axis_value(variables_, sprite, sprite->source_var_y, sprite->value_callback_y);
      values.value[2] = sprite->host_value_rotation =
          axis_value(variables_, sprite, sprite->source_var_rotation, sprite->value_callback_rotation);
      break;
    }
    case ELEMENT_KIND_SLIDER: {
      auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(element);
      values.value[0] = slider->host_value_x =
          axis_value(variables_, slider, slider->source_var_x, slider->value_callback_x);
      values.value[1] = slider->host_value_y =
          axis_value(variables_, slider, slider->source_var_y, slider->value_callback_y);
      break;
    }
    default: break;
  }
}

}  // namespace panelhost
