#include "player.h"

#include <fmt/format.h>

#include <cmath>
#include <map>
#include <set>

#include "default_layout.h"
#include "number_text.h"
#include "output.h"
#include "panel.h"
#include "sim_model.h"
#include "variable_catalogue.h"

namespace panelhost::scenario {
namespace {

using Snapshot = std::map<std::uint32_t, HostValue>;

std::string value_text(const HostValue& value) {
  return value.integer_coded ? fmt::format("{} (int)", value.u32) : double_text(value.f64);
}

std::string variable_text(std::uint32_t id) {
  const auto info = sim::find_variable(id);
  return info ? fmt::format("{} ({})", id, info->name) : std::to_string(id);
}

std::string flags_text(FLAGS32 flags) {
  std::vector<std::string> names;
  if (flags & MOUSE_LEFTSINGLE) names.push_back("left");
  if (flags & MOUSE_LEFTDRAG) names.push_back("drag");
  if (flags & MOUSE_RIGHTSINGLE) names.push_back("right");
  const FLAGS32 other = flags & ~(MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG | MOUSE_RIGHTSINGLE);
  if (other) names.push_back(fmt::format("{:#x}", other));
  std::string text;
  for (const auto& name : names) text += (text.empty() ? "" : "+") + name;
  return text.empty() ? "none" : text;
}

bool on_gauge(PIXPOINT point, PIXSIZE size) { return point.x >= 0 && point.y >= 0 && point.x < size.x && point.y < size.y; }

class Run {
 public:
  Run(const Scenario& scenario, const PlayOptions& options)
      : scenario_(scenario), options_(options), model_(host_), panel_(host_, layout(), options.modules_dir) {
    check_events();
  }

  PlayReport go() {
    const std::size_t updates = scenario_.updates();
    std::set<std::size_t> still_updates;
    for (double at : scenario_.frames)
      still_updates.insert(std::min(updates - 1, static_cast<std::size_t>(std::llround(at * scenario_.rate))));
    std::optional<render::GifWriter> animation;
    const std::filesystem::path gif_path = options_.out_dir / (scenario_.name + ".gif");
    if (options_.animation) animation.emplace(gif_path, panel_.size().x, panel_.size().y);
    const bool show_progress = options_.progress && updates >= 180;
    std::size_t next_percent = 10;

    for (std::size_t k = 0; k < updates; ++k) {
      now_ = static_cast<double>(k) / scenario_.rate;
      apply_due_events();
      continue_ramps_and_drags();
      if (k > 0) {
        const Snapshot before = snapshot();
        model_.advance(1.0 / scenario_.rate);
        model_changes(before);
      }
      panel_.update();
      const render::Image& frame = panel_.frame();
      if (still_updates.contains(k)) {
        const auto path = options_.out_dir / fmt::format("{}_{:05}.png", scenario_.name, k);
        render::write_png(path, frame);
        report_.written.push_back(path);
      }
      if (animation && k % scenario_.animation_every == 0) {
        const auto centiseconds = [&](std::size_t update) {
          return std::llround(static_cast<double>(update) / scenario_.rate * 100.0);
        };
        const std::size_t next = k + scenario_.animation_every;
        animation->add(frame, static_cast<std::uint32_t>(std::max<long long>(1, centiseconds(next) - centiseconds(k))));
      }
      if (show_progress && (k + 1) * 100 >= next_percent * updates) {
        *options_.progress << fmt::format("play: {}% ({}/{} updates, {:.1f} s of {:.1f} s)\n", next_percent, k + 1,
                                          updates, now_, scenario_.duration);
        options_.progress->flush();
        while (next_percent <= 100 && (k + 1) * 100 >= next_percent * updates) next_percent += 10;
      }
    }
    if (animation) {
      animation->finish();
      report_.written.push_back(gif_path);
    }
    const auto log_path = options_.out_dir / (scenario_.name + ".log");
    render::write_file_atomically(log_path, log_);
    report_.written.push_back(log_path);
    report_.updates = updates;
    report_.key_events = host_.key_events().size();
    return report_;
  }

 private:
  panel::Layout layout() {
    if (scenario_.layout) return panel::read_layout((scenario_.folder / *scenario_.layout).string());
    return panel::default_layout(host_, options_.modules_dir);
  }

  [[noreturn]] void fail(const std::string& path, const std::string& problem) const {
    throw ScenarioError(fmt::format("{}: {}: {}", scenario_.source, path, problem));
  }

  void check_events() {
    for (const Event& event : scenario_.events) {
      const std::string* reference = event_gauge(event);
      if (!reference) continue;
      const panel::PlacedGauge* placed = panel_.find(*reference);
      const bool click = std::holds_alternative<ClickAction>(event.action);
      if (!placed) {
        if (scenario_.skip_missing_gauges) continue;
        fail(event.path + (click ? ".click" : ".drag"),
             fmt::format("gauge {} is not on the panel ({})", *reference, panel_.layout().source));
      }
      const PIXSIZE size = placed->gauge->size();
      const auto check_point = [&](PIXPOINT point, const std::string& path) {
        if (!on_gauge(point, size))
          fail(path, fmt::format("point ({}, {}) is off the gauge {} ({}x{}: x 0 to {}, y 0 to {})", point.x, point.y,
                                 *reference, size.x, size.y, size.x - 1, size.y - 1));
      };
      if (const auto* c = std::get_if<ClickAction>(&event.action)) check_point(c->point, event.path);
      if (const auto* d = std::get_if<DragAction>(&event.action)) {
        check_point(d->from, event.path + ".from");
        check_point(d->to, event.path + ".to");
      }
    }
  }

  Snapshot snapshot() { return host_.variables().all(); }

  void line(const std::string& text) { log_ += fmt::format("{:9.3f}  {}\n", now_, text); }

  // Variable changes since `before`, as the model or a gauge made them.
  void changes(const Snapshot& before, const char* indent) {
    for (const auto& [id, value] : snapshot()) {
      const auto was = before.find(id);
      if (was != before.end() && was->second == value) continue;
      line(fmt::format("{}{} = {}", indent, variable_text(id), value_text(value)));
    }
  }

  void model_changes(const Snapshot& before) {
    // The bomb bay's motion: logged where it starts moving and where it stops.
    const auto bay = [](const Snapshot& s) {
      const auto found = s.find(326);
      return found == s.end() ? 0.0 : found->second.number();
    };
    const double was = bay(before);
    const double is = bay(snapshot());
    if (was == is) return;
    const bool stopped = is == 0.0 || is == sim::kBombBayOpen;
    if (stopped || !bay_moving_) line(fmt::format("model: {} = {}", variable_text(326), double_text(is)));
    bay_moving_ = !stopped;
  }

  // Key events (with the model's answers) since `events_before`.
  void key_events(std::size_t events_before) {
    const auto& events = host_.key_events();
    const auto& notes = model_.notes();
    for (std::size_t i = events_before; i < events.size(); ++i) {
      const std::string answer = i < notes.size() ? notes[i].text : "";
      line(fmt::format("  key {:#x} ({}) value {}: {}", events[i].id, events[i].id, events[i].value, answer));
    }
  }

  void mouse(const std::string& reference, PIXPOINT point, FLAGS32 flags, const std::string& what) {
    panel::PlacedGauge* placed = panel_.find(reference);
    const Snapshot before = snapshot();
    const std::size_t events_before = host_.key_events().size();
    const MouseOutcome outcome = host_.mouse(*placed->gauge, point, flags);
    if (outcome.handled) {
      line(fmt::format("{} {} at ({}, {}) [{}]: mouse row {}, handler returned {}", what, reference, point.x, point.y,
                       flags_text(flags), outcome.row, outcome.result));
    } else {
      line(fmt::format("{} {} at ({}, {}) [{}]: no mouse rectangle takes it", what, reference, point.x, point.y,
                       flags_text(flags)));
    }
    key_events(events_before);
    for (const WindowToggle& toggle : outcome.window_toggles)
      line(fmt::format("  window {} {}", toggle.window_id, toggle.open_after ? "opened" : "closed"));
    changes(before, "  ");
  }

  void apply(const Event& event) {
    if (const std::string* reference = event_gauge(event); reference && !panel_.find(*reference)) {
      ++report_.skipped_events;
      line(fmt::format("{}: skipped, {} is not on the panel", event.path, *reference));
      return;
    }
    std::visit(
        [&](const auto& action) {
          using T = std::decay_t<decltype(action)>;
          if constexpr (std::is_same_v<T, SetAction>) {
            host_.variables().set(action.variable, action.value);
            line(fmt::format("set {} = {}", variable_text(action.variable), value_text(action.value)));
          } else if constexpr (std::is_same_v<T, RampAction>) {
            ramps_.push_back({event.at, action});
            line(fmt::format("ramp {} from {} to {} until {:.3f} s", variable_text(action.variable),
                             double_text(action.start), double_text(action.end), action.until));
          } else if constexpr (std::is_same_v<T, ClickAction>) {
            mouse(action.gauge, action.point, action.flags, "click");
          } else if constexpr (std::is_same_v<T, DragAction>) {
            mouse(action.gauge, action.from, MOUSE_LEFTSINGLE, "press");
            drags_.push_back({event.at, action});
          } else if constexpr (std::is_same_v<T, WindowAction>) {
            const bool open = host_.services().panel_window_toggle(action.window) != 0 && host_.window_open(action.window);
            line(fmt::format("toggle window {}: {}", action.window, open ? "opened" : "closed"));
          } else if constexpr (std::is_same_v<T, KeyAction>) {
            const Snapshot before = snapshot();
            const std::size_t events_before = host_.key_events().size();
            line(fmt::format("send key {:#x} value {}", action.event, action.value));
            host_.services().trigger_key_event(action.event, action.value);
            key_events(events_before);
            changes(before, "  ");
          }
        },
        event.action);
  }

  void apply_due_events() {
    while (next_event_ < scenario_.events.size() && scenario_.events[next_event_].at <= now_ + 1e-9)
      apply(scenario_.events[next_event_++]);
  }

  void continue_ramps_and_drags() {
    for (auto it = ramps_.begin(); it != ramps_.end();) {
      const auto& [from, ramp] = *it;
      const bool done = now_ >= ramp.until - 1e-9;
      const double along = done ? 1.0 : (now_ - from) / (ramp.until - from);
      host_.variables().set_f64(ramp.variable, done ? ramp.end : ramp.start + (ramp.end - ramp.start) * along);
      if (done) {
        line(fmt::format("ramp {} ends at {}", variable_text(ramp.variable), double_text(ramp.end)));
        it = ramps_.erase(it);
      } else {
        ++it;
      }
    }
    for (auto it = drags_.begin(); it != drags_.end();) {
      const auto& [from, drag] = *it;
      const bool done = now_ >= from + drag.seconds - 1e-9;
      const double along = done ? 1.0 : (now_ - from) / drag.seconds;
      if (along > 0.0) {
        const auto between = [&](std::int32_t a, std::int32_t b) {
          return static_cast<std::int32_t>(std::lround(a + (b - a) * along));
        };
        const PIXPOINT point{between(drag.from.x, drag.to.x), between(drag.from.y, drag.to.y)};
        mouse(drag.gauge, point, MOUSE_LEFTDRAG, "drag");
      }
      it = done ? drags_.erase(it) : it + 1;
    }
  }

  const Scenario& scenario_;
  const PlayOptions& options_;
  PanelHost host_;
  sim::SimModel model_;
  panel::Panel panel_;
  PlayReport report_;
  std::string log_;
  double now_ = 0.0;
  std::size_t next_event_ = 0;
  std::vector<std::pair<double, RampAction>> ramps_;
  std::vector<std::pair<double, DragAction>> drags_;
  bool bay_moving_ = false;
};

}  // namespace

PlayReport play(const Scenario& scenario, const PlayOptions& options) { return Run(scenario, options).go(); }

}  // namespace panelhost::scenario
