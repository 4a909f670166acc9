// The host variables the stand-in simulator knows: every variable a gauge of
// Velmar_Tavrin or quadrant reads, with a short name and how the simulator
// codes it. Scenarios and `render --set` may set only these, so a typo in a
// variable number is an error instead of a silent no-op.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace panelhost::sim {

struct VariableInfo {
  std::uint32_t id;
  std::string_view name;
  bool integer_coded;  // delivered in the low 32 bits of the value field
};

std::span<const VariableInfo> variable_catalogue();
std::optional<VariableInfo> find_variable(std::uint32_t id);

}  // namespace panelhost::sim
