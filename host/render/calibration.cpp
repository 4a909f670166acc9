#include "calibration.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace panelhost::render {

double wrap_degrees(double angle) {
  if (!std::isfinite(angle)) return angle;
  double wrapped = std::fmod(angle, 360.0);
  if (wrapped < 0.0) wrapped += 360.0;
  // fmod of a tiny negative angle plus 360 can round up to exactly 360.
  return wrapped >= 360.0 ? 0.0 : wrapped;
}

double direction_degrees(PIXPOINT from, PIXPOINT point) {
  const double dx = static_cast<double>(point.x) - static_cast<double>(from.x);
  const double dy = static_cast<double>(point.y) - static_cast<double>(from.y);
  if (dx == 0.0 && dy == 0.0) return 0.0;
  // y points down, so "up" is -y; atan2(dx, -dy) is clockwise from up.
  return wrap_degrees(std::atan2(dx, -dy) * 180.0 / std::numbers::pi);
}

double clockwise_turn(double from, double to) { return wrap_degrees(to - from); }

NeedleCalibration::NeedleCalibration(PIXPOINT pivot, std::span<const NONLINEARITY> rows) {
  double previous_direction = 0.0;
  for (const NONLINEARITY& row : rows) {
    const double direction = direction_degrees(pivot, row.point);
    const double angle = rows_.empty() ? direction : rows_.back().angle + clockwise_turn(previous_direction, direction);
    rows_.push_back({row.value, angle});
    previous_direction = direction;
  }
  by_value_ = rows_;
  std::stable_sort(by_value_.begin(), by_value_.end(), [](const Row& a, const Row& b) { return a.value < b.value; });
}

namespace {

// The angle on the line through two rows; the first row's angle where the
// rows share a value or the segment is flat (so a flat end segment stays flat
// out to infinity).
double along(const NeedleCalibration::Row& a, const NeedleCalibration::Row& b, double value) {
  const double span = b.value - a.value;
  if (span == 0.0 || !std::isfinite(span) || a.angle == b.angle) return a.angle;
  const double t = (value - a.value) / span;
  return a.angle + t * (b.angle - a.angle);
}

}  // namespace

std::optional<double> NeedleCalibration::angle(double value) const {
  if (by_value_.empty() || std::isnan(value)) return std::nullopt;
  if (by_value_.size() == 1) return by_value_.front().angle;
  const Row& first = by_value_.front();
  const Row& last = by_value_.back();
  if (value < first.value) return along(by_value_[0], by_value_[1], value);
  if (value >= last.value) {
    const Row& before = by_value_[by_value_.size() - 2];
    if (value == last.value) return last.angle;
    return along(before, last, value);
  }
  // The segment whose lower end is the last row at or below the value.
  const auto upper = std::upper_bound(by_value_.begin(), by_value_.end(), value,
                                      [](double v, const Row& row) { return v < row.value; });
  const Row& high = *upper;
  const Row& low = *(upper - 1);
  return along(low, high, value);
}

bool NeedleMotion::step(std::optional<double> target) {
  if (!target || !std::isfinite(*target)) return false;
  if (!placed_ || limit_ <= 0) {
    const bool changed = !placed_ || angle_ != *target;
    placed_ = true;
    angle_ = *target;
    return changed;
  }
  const double limit = static_cast<double>(limit_);
  const double difference = *target - angle_;
  if (difference == 0.0) return false;
  angle_ = std::abs(difference) <= limit ? *target : angle_ + std::copysign(limit, difference);
  return true;
}

}  // namespace panelhost::render
