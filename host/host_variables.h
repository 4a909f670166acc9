// The simulator's host variables as the stand-in host keeps them: each one a
// 64-bit float or an integer-coded value that the host delivers in the low
// 32 bits of a variable record's value field.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "gauge_records.h"

namespace panelhost {

struct HostValue {
  bool integer_coded = false;
  double f64 = 0.0;
  std::uint32_t u32 = 0;

  // The value as a number, whichever way it is coded.
  double number() const { return integer_coded ? static_cast<double>(u32) : f64; }
  bool operator==(const HostValue&) const = default;
};

class HostVariables {
 public:
  void set_f64(std::uint32_t token, double value) { values_[token] = {false, value, 0}; }
  void set_u32(std::uint32_t token, std::uint32_t value) { values_[token] = {true, 0.0, value}; }
  void set(std::uint32_t token, const HostValue& value) { values_[token] = value; }

  // A variable never set reads as a float zero.
  HostValue get(std::uint32_t token) const {
    const auto found = values_.find(token);
    return found == values_.end() ? HostValue{} : found->second;
  }
  bool is_set(std::uint32_t token) const { return values_.contains(token); }
  const std::map<std::uint32_t, HostValue>& all() const { return values_; }

  // Writes the variable's current value into a record, as the simulator
  // delivers it: the whole field for a float, the low 32 bits for an
  // integer-coded variable (the rest zero).
  void deliver(MODULE_VAR& var) const {
    const HostValue value = get(var.id);
    if (value.integer_coded) {
      module_var_set_u32(var, value.u32);
    } else {
      module_var_set_f64(var, value.f64);
    }
  }

 private:
  std::map<std::uint32_t, HostValue> values_;
};

}  // namespace panelhost
