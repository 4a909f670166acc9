// One update plus drawing of the built-in panel, measured three ways:
//
//  - every_needle_moves: every host variable the gauges read changes between
//    two values on each update, so every needle turns, every icon switches
//    and every knob moves;
//  - nothing_changed: the same values every update;
//  - memcpy_reference: a plain copy of as many bytes as the panel picture
//    holds, the physical yardstick the other two are measured against.
//
// benchmarks/run.sh builds this in release, runs it and prints the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "module_files.h"
#include "default_layout.h"
#include "panel.h"
#include "sim_model.h"
#include "variable_catalogue.h"

namespace {

using namespace panelhost;


struct Cockpit {
  Cockpit() : model(host), panel(host, panel::default_layout(host, test_support::program_dir()), test_support::program_dir()) {
    set_all(0);
    panel.update();
    panel.frame();
  }

  // Two sets of values, each within the gauges' ranges.
  void set_all(int phase) {
    for (const sim::VariableInfo& info : sim::variable_catalogue()) {
      if (info.integer_coded) {
        host.variables().set_u32(info.id, phase ? 2u : 1u);
      } else {
        host.variables().set_f64(info.id, phase ? 150.0 : 50.0);
      }
    }
    host.variables().set_f64(129, phase ? 12000.0 : 4000.0);  // levers, knob travel
    host.variables().set_f64(164, phase ? 12000.0 : 4000.0);
    host.variables().set_f64(128, phase ? 12000.0 : 4000.0);
    host.variables().set_f64(163, phase ? 12000.0 : 4000.0);
    host.variables().set_f64(130, phase ? 12000.0 : 4000.0);
    host.variables().set_f64(165, phase ? 12000.0 : 4000.0);
  }

  std::size_t frame_bytes() const {
    return static_cast<std::size_t>(panel.size().x) * static_cast<std::size_t>(panel.size().y) * 4;
  }

  PanelHost host;
  sim::SimModel model;
  panel::Panel panel;
};

Cockpit& cockpit() {
  static Cockpit instance;
  return instance;
}

void every_needle_moves(benchmark::State& state) {
  Cockpit& c = cockpit();
  int phase = 0;
  std::size_t repainted = 0;
  for (auto _ : state) {
    phase ^= 1;
    c.set_all(phase);
    c.panel.update();
    const render::Image& frame = c.panel.frame();
    benchmark::DoNotOptimize(frame.data());
    repainted += c.panel.repainted();
  }
  state.counters["gauges_repainted"] =
      benchmark::Counter(static_cast<double>(repainted), benchmark::Counter::kAvgIterations);
  state.counters["frame_bytes"] = static_cast<double>(c.frame_bytes());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(c.frame_bytes()));
}

void nothing_changed(benchmark::State& state) {
  Cockpit& c = cockpit();
  c.set_all(0);
  c.panel.update();
  c.panel.frame();
  for (auto _ : state) {
    c.panel.update();
    const render::Image& frame = c.panel.frame();
    benchmark::DoNotOptimize(frame.data());
  }
  state.counters["frame_bytes"] = static_cast<double>(c.frame_bytes());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(c.frame_bytes()));
}

void memcpy_reference(benchmark::State& state) {
  const std::size_t bytes = cockpit().frame_bytes();
  std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.counters["frame_bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

BENCHMARK(memcpy_reference);
BENCHMARK(every_needle_moves);
BENCHMARK(nothing_changed);

}  // namespace

BENCHMARK_MAIN();
