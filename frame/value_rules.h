// The few value rules that gauge callbacks share. A callback is one line that
// names its bounds; the rule itself lives here once.
#pragma once

#include <cstdint>

#include "gauge_records.h"

namespace frame {

// The maximum is tested first and both tests are ordered, so NaN gives the
// minimum and a value equal to a bound comes back unchanged.
constexpr double clamp(double x, double minimum, double maximum) {
  if (x > maximum) return maximum;
  if (x >= minimum) return x;
  return minimum;
}

// Whole-field comparison with a constant: NaN never matches, and neither does
// an integer-coded value, whose bits read as a tiny denormal.
inline bool var_equals(const MODULE_VAR& var, double constant) {
  return module_var_f64(var) == constant;
}

// Toward zero, then the low 32 bits. NaN, and values whose truncation does not
// fit a signed 64-bit integer, give 0.
constexpr std::uint32_t truncate_to_u32(double x) {
  constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63
  if (!(x >= -kInt64Limit && x < kInt64Limit)) return 0;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(x)));
}

// A needle's value: its own source variable, read as a float.
template <typename Element>
double source_f64(const Element* element) {
  return module_var_f64(element->source_var);
}

}  // namespace frame
