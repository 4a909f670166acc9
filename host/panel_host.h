// The stand-in for the simulator's panel system.
//
// A PanelHost loads gauge modules, hands each its service table through
// `ImportTable`, installs gauges, evaluates every element on each update and
// dispatches mouse events to the modules' handlers. It keeps the host
// variables, the log of key events and the open/closed state of the panel
// windows. The services carry no host argument, so one PanelHost at a time is
// the current one that they reach.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gauge_records.h"
#include "host_variables.h"
#include "module_library.h"
#include "record_check.h"

namespace panelhost {

class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct KeyEvent {
  std::uint32_t id;
  std::uint32_t value;
  bool operator==(const KeyEvent&) const = default;
};

struct WindowToggle {
  std::uint32_t window_id;
  bool open_after;
  bool operator==(const WindowToggle&) const = default;
};

// A service call as the host saw it, for checking the order of calls.
struct ServiceCall {
  std::string service;
  std::vector<const void*> records;
  std::uint32_t argument = 0;
};

// The value of each axis of an element after an update. Needles, icons and
// static images have one axis (static images none); moving images x and y;
// sprites x, y and rotation; sliders x and y.
struct ElementValues {
  std::size_t axes = 0;
  std::array<double, 3> value{};
};

std::span<const char* const> axis_names(std::uint32_t kind);

class GaugeInstance {
 public:
  GAUGEHDR* header() const { return header_; }
  ModuleLibrary& module() const { return *module_; }
  const std::string& name() const { return name_; }
  const std::vector<ElementNode>& elements() const { return elements_; }
  const std::vector<ElementValues>& values() const { return values_; }
  // The installed background's size, the gauge's pixel space.
  PIXSIZE size() const;
  // The mouse table the host dispatches through, if one is registered.
  std::span<MOUSERECT> mouse_rows() const { return registered_ ? mouse_rows_ : std::span<MOUSERECT>{}; }
  std::size_t updates() const { return updates_; }

 private:
  friend class PanelHost;
  GAUGEHDR* header_ = nullptr;
  ModuleLibrary* module_ = nullptr;
  std::string name_;
  std::vector<ElementNode> elements_;
  std::vector<ElementValues> values_;
  std::map<ELEMENT_HEADER*, std::unique_ptr<INSTALLED_IMAGE>> images_;
  std::span<MOUSERECT> mouse_rows_;
  bool registered_ = false;
  std::size_t updates_ = 0;
  std::optional<std::size_t> captured_row_;  // the child a press started in, for drags
  PIXPOINT captured_origin_{};
};

struct MouseOutcome {
  bool handled = false;        // a child rectangle took the event
  std::size_t row = 0;         // its row in the mouse table
  BOOL32 result = 0;           // the handler's result
  std::vector<KeyEvent> key_events;
  std::vector<WindowToggle> window_toggles;
};

class PanelHost {
 public:
  PanelHost();
  ~PanelHost();
  PanelHost(const PanelHost&) = delete;
  PanelHost& operator=(const PanelHost&) = delete;

  // Loads a module and fills its `ImportTable` with this host's services.
  ModuleLibrary& load(const std::filesystem::path& path);

  // Installs the named gauge of a loaded module. Version-700 gauges are
  // installed from their header's fields, version-610 gauges through their
  // own install routine.
  GaugeInstance& install(ModuleLibrary& module, std::string_view gauge_name);
  // Removes a gauge: its own kill routine for version 610, the host's for 700.
  void remove(GaugeInstance& gauge);

  // One update of every element of the gauge, in drawing order.
  void update(GaugeInstance& gauge);

  // A mouse event at `point` in gauge pixels.
  MouseOutcome mouse(GaugeInstance& gauge, PIXPOINT point, FLAGS32 event_flags);

  HostVariables& variables() { return variables_; }
  const std::vector<KeyEvent>& key_events() const { return key_events_; }
  const std::vector<WindowToggle>& window_toggles() const { return window_toggles_; }
  // The newest service calls, oldest first: at least the last
  // kServiceCallsKept, so a long run does not grow the record without bound.
  const std::vector<ServiceCall>& service_calls() const { return service_calls_; }
  static constexpr std::size_t kServiceCallsKept = 256;
  bool window_open(std::uint32_t window_id) const;
  const std::map<std::uint32_t, bool>& windows() const { return windows_; }
  const std::vector<std::unique_ptr<GaugeInstance>>& gauges() const { return gauges_; }

  // Called for every key event a module sends, after it is logged: the
  // simulator model answers here.
  using KeyEventListener = std::function<void(const KeyEvent&)>;
  void on_key_event(KeyEventListener listener) { key_event_listeners_.push_back(std::move(listener)); }

  // The service table modules receive.
  const PANELS& services() const;

  // The host whose services the modules reach.
  static PanelHost* current();

 private:
  // Services, reached through the static table.
  void element_list_install(ELEMENT_HEADER* root, std::uint32_t argument);
  void element_list_update(ELEMENT_HEADER* root);
  void element_list_kill(ELEMENT_HEADER* root);
  void mouse_list_install(MOUSERECT* table, GAUGEHDR* gauge, PIXSIZE* size);
  void mouse_list_register(MOUSERECT* table, GAUGEHDR* gauge);
  void mouse_list_unregister(MOUSERECT* table, GAUGEHDR* gauge);
  BOOL32 panel_window_toggle(std::uint32_t window_id);
  BOOL32 trigger_key_event(std::uint32_t event_id, std::uint32_t value);
  void lookup_var(MODULE_VAR* var);
  void log_call(std::string service, std::vector<const void*> records, std::uint32_t argument = 0);

  GaugeInstance* gauge_with_root(const ELEMENT_HEADER* root);
  GaugeInstance* gauge_with_header(const GAUGEHDR* header);
  void install_images(GaugeInstance& gauge);
  void release_images(GaugeInstance& gauge);
  void evaluate(GaugeInstance& gauge, std::size_t index);

  friend struct ServiceTrampolines;

  HostVariables variables_;
  std::vector<std::unique_ptr<ModuleLibrary>> modules_;
  std::vector<std::unique_ptr<GaugeInstance>> gauges_;
  std::vector<KeyEvent> key_events_;
  std::vector<WindowToggle> window_toggles_;
  std::vector<ServiceCall> service_calls_;
  std::map<std::uint32_t, bool> windows_;
  std::vector<KeyEventListener> key_event_listeners_;
  PanelHost* previous_ = nullptr;
};

}  // namespace panelhost
