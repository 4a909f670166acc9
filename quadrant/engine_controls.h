// "Engine Controls", the only gauge of the quadrant module.
#pragma once

#include <cstdint>
#include <optional>

#include "gauge_records.h"

extern GAUGEHDR engine_controls_gauge;

namespace quadrant {

// Lever values run from 0 (bottom of the column) to 16384 (top).
inline constexpr std::int32_t kLeverMaximum = 16384;

// The value a lever takes for a mouse point at height `y` (counted from the
// gauge's top edge) in a gauge reported `height` pixels high: the share of the
// column below the point, scaled to 16384 and truncated toward zero, held to
// 0..16384. Computed in 64 bits, so points however far outside the gauge give
// a defined, clamped value. No value for a height that is not positive.
constexpr std::optional<std::int32_t> lever_value(std::int32_t height, std::int32_t y) {
  if (height <= 0) return std::nullopt;
  const std::int64_t below = std::int64_t{height} - y;
  const std::int64_t scaled = below * kLeverMaximum;
  const double share = static_cast<double>(scaled) / height;
  if (share > kLeverMaximum) return kLeverMaximum;
  if (share < 0) return 0;
  return static_cast<std::int32_t>(share);
}

}  // namespace quadrant
