#include "calibration.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "render/calibration.h"  // the host's rule

namespace artgen {
namespace {

// The host measures clockwise from straight up; pictures here measure
// clockwise from +x (y down), a quarter turn less.
constexpr double kUpToPlusX = 90.0;

panelhost::render::NeedleCalibration host_calibration(std::span<const CalRow> rows, Pivot pivot) {
  std::vector<NONLINEARITY> table;
  for (const CalRow& row : rows) table.push_back({{row.x, row.y}, row.value, 0.0});
  return panelhost::render::NeedleCalibration({pivot.x, pivot.y}, table);
}

}  // namespace

void row_angles(std::span<const CalRow> rows, Pivot pivot, std::span<double> out) {
  if (rows.empty() || out.size() != rows.size()) throw std::invalid_argument("row_angles: bad spans");
  const auto calibration = host_calibration(rows, pivot);
  for (std::size_t i = 0; i < rows.size(); ++i) out[i] = calibration.rows()[i].angle - kUpToPlusX;
}

double needle_angle(std::span<const CalRow> rows, Pivot pivot, double value) {
  if (rows.empty()) throw std::invalid_argument("needle_angle: no rows");
  const auto [low, high] = std::minmax_element(rows.begin(), rows.end(),
                                               [](const CalRow& a, const CalRow& b) { return a.value < b.value; });
  return *host_calibration(rows, pivot).angle(std::clamp(value, low->value, high->value)) - kUpToPlusX;
}

}  // namespace artgen
