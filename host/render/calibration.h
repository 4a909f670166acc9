// Needle calibration: from a needle's table of (point, value) rows to the
// direction the needle shows for any value, and how far it may turn in one
// update.
//
// Angles are in degrees, measured clockwise from straight up (12 o'clock) on
// the gauge with y pointing down: straight up is 0, right 90, down 180, left
// 270. A needle bitmap is drawn pointing right (+x), so it is turned by its
// angle minus 90 degrees.
//
// The rule, row by row:
//
//  1. Row 0's angle is the direction of its point as seen from the needle's
//     position, in 0 up to under 360.
//  2. In table order, each next row's angle is the previous row's angle plus
//     the clockwise turn from the previous row's direction to this row's
//     point's direction, 0 up to under 360. Angles therefore only grow along
//     the table: a table that runs over the top (airspeed: 180, 225, 249,
//     518, 534) or makes whole turns (the clock: 0, 90, ..., 630) keeps
//     counting, and a table stored from the largest value down turns
//     clockwise from its largest value to its smallest.
//  3. A value between two rows' values takes the angle interpolated linearly
//     by value between those rows; the rows are looked up by value, so a
//     table stored from the largest value down works the same way.
//  4. A value beyond the end rows takes the angle extrapolated along the end
//     segment on that side, so a needle keeps turning past its last row.
//
// Edge cases: a row whose point is the needle's position has no direction
// and counts as straight up; rows with equal values make a jump at that value
// (the lower row in value order wins below it, the later row at and above
// it); a one-row table always shows its row. A NaN value has no angle: the
// needle stays where it is (see NeedleMotion).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gauge_records.h"

namespace panelhost::render {

// The direction of `point` seen from `from`, clockwise from straight up, in
// 0 up to under 360 degrees; 0 when the two coincide.
double direction_degrees(PIXPOINT from, PIXPOINT point);

// The clockwise turn from direction `from` to direction `to`, 0 up to under
// 360 degrees.
double clockwise_turn(double from, double to);

class NeedleCalibration {
 public:
  struct Row {
    double value;
    double angle;  // accumulated, degrees
  };

  NeedleCalibration() = default;
  // `rows` in table order; `pivot` is the needle's position on the gauge.
  NeedleCalibration(PIXPOINT pivot, std::span<const NONLINEARITY> rows);

  // The angle for `value`, not wrapped to one turn; nothing for a NaN or for
  // an empty table. Infinite values give infinite angles unless the end
  // segment is flat.
  std::optional<double> angle(double value) const;

  // Rows with their accumulated angles, in table order.
  const std::vector<Row>& rows() const { return rows_; }

 private:
  std::vector<Row> rows_;
  std::vector<Row> by_value_;  // the same rows, sorted by value (stable)
};

// The needle's shown angle from update to update. The first target places
// the needle at once; after that it turns toward each new target by at most
// the needle's maximum degrees per tick. A limit of 0 or less means no limit.
// Targets that are not finite leave the needle where it is.
class NeedleMotion {
 public:
  explicit NeedleMotion(std::int32_t max_degrees_per_tick = 0) : limit_(max_degrees_per_tick) {}

  // One update toward `target`; returns whether the shown angle changed.
  bool step(std::optional<double> target);

  bool placed() const { return placed_; }
  double angle() const { return angle_; }

 private:
  std::int32_t limit_;
  bool placed_ = false;
  double angle_ = 0.0;
};

// An angle reduced to one turn, 0 up to under 360.
double wrap_degrees(double angle);

}  // namespace panelhost::render
