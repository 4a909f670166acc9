#include "calibration.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace artgen {

void row_angles(std::span<const CalRow> rows, Pivot pivot, std::span<double> out) {
  if (rows.empty() || out.size() != rows.size()) throw std::invalid_argument("row_angles: bad spans");
  double previous = 0.0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double direction =
        std::atan2(rows[i].y - pivot.y, rows[i].x - pivot.x) * 180.0 / kPi;
    if (i == 0) {
      previous = direction;
    } else {
      double turn = std::fmod(direction - previous, 360.0);
      if (turn < 0.0) turn += 360.0;
      previous += turn;
    }
    out[i] = previous;
  }
}

double needle_angle(std::span<const CalRow> rows, Pivot pivot, double value) {
  std::vector<double> angles(rows.size());
  row_angles(rows, pivot, angles);
  if (rows.size() == 1) return angles[0];
  // Rows run from the low value up, or from the high value down.
  const bool rising = rows.back().value > rows.front().value;
  auto before = [rising](double a, double b) { return rising ? a < b : a > b; };
  if (!before(rows.front().value, value)) return angles.front();
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const double v0 = rows[i].value;
    const double v1 = rows[i + 1].value;
    if (!before(v1, value)) {
      const double t = (value - v0) / (v1 - v0);
      return angles[i] + t * (angles[i + 1] - angles[i]);
    }
  }
  return angles.back();
}

}  // namespace artgen
