// What every conformance test needs: the module loaded the way the host
// loads it, from the folder the test program runs from, and small helpers to
// reach a gauge's elements and compare doubles bit for bit.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>

#include "module_files.h"
#include "panel_host.h"

namespace conformance {

using test_support::module_path;

inline std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// Compares two doubles bit for bit, printing both readably.
#define EXPECT_SAME_DOUBLE(expected, actual)                                                         \
  EXPECT_EQ(::conformance::bits(expected), ::conformance::bits(actual))                              \
      << "expected " << (expected) << " (" << std::hexfloat << (expected) << "), got " << (actual) \
      << " (" << (actual) << ")" << std::defaultfloat

template <typename Element>
Element* element_at(const panelhost::GaugeInstance& gauge, std::size_t index) {
  return reinterpret_cast<Element*>(gauge.elements().at(index).element);
}

class ModuleTest : public ::testing::Test {
 protected:
  panelhost::ModuleLibrary& load(const std::string& module_name) { return host.load(module_path(module_name)); }
  panelhost::GaugeInstance& install(const std::string& module_name, const std::string& gauge_name) {
    return host.install(load(module_name), gauge_name);
  }

  panelhost::PanelHost host;
};

}  // namespace conformance
