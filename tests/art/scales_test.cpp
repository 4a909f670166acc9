// Printed scales agree with the needles: for every mark, a needle that the
// host draws at the mark's value points at the mark within a degree.
//
// The needle's direction comes from the host's own calibration rule (each
// row's angle the direction of its point seen from the pivot, each next row's
// angle the previous one plus the clockwise turn to its point, values between
// rows interpolated linearly), so art and host cannot drift apart.
// The mark is found in the picture: the centre of the bright tick crossing
// the ring between the scale's radii.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "art_support.h"
#include "render/calibration.h"
#include "catalogue.h"

namespace art_checks {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The angle the host draws a needle at for `value`, by the host's own rule,
// measured as the pictures measure it: clockwise from +x, a quarter turn less
// than the host's clockwise-from-up.
double host_angle(std::span<const artgen::CalRow> rows, artgen::Pivot pivot, double value) {
  std::vector<NONLINEARITY> table;
  double lowest = rows.front().value;
  double highest = rows.front().value;
  for (const artgen::CalRow& row : rows) {
    table.push_back({{row.x, row.y}, row.value, 0.0});
    lowest = std::min(lowest, row.value);
    highest = std::max(highest, row.value);
  }
  if (value < lowest || value > highest) ADD_FAILURE() << "value " << value << " lies outside the table";
  return *panelhost::render::NeedleCalibration({pivot.x, pivot.y}, table).angle(value) - 90.0;
}

// Brightness at a point, bilinear between pixel centres.
double sample(const artgen::Image& image, double x, double y) {
  const double fx = x - 0.5;
  const double fy = y - 0.5;
  const int x0 = static_cast<int>(std::floor(fx));
  const int y0 = static_cast<int>(std::floor(fy));
  const double tx = fx - x0;
  const double ty = fy - y0;
  auto at = [&](int px, int py) {
    px = std::clamp(px, 0, image.width() - 1);
    py = std::clamp(py, 0, image.height() - 1);
    return static_cast<double>(luma(image.at(px, py)));
  };
  return (at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx) * (1 - ty) +
         (at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx) * ty;
}

struct Found {
  double angle;
  double contrast;
};

// The centre of the tick near `expected`: brightness above the darkest
// sample, summed over the ring, weighted by angle within +-2 degrees.
Found find_tick(const artgen::Image& image, const artgen::Scale& scale, double expected) {
  const double cx = scale.pivot.x + 0.5;
  const double cy = scale.pivot.y + 0.5;
  std::vector<double> angles;
  std::vector<double> weights;
  for (double a = expected - 2.0; a <= expected + 2.0001; a += 0.05) {
    double sum = 0.0;
    int n = 0;
    for (double r = scale.r_in; r <= scale.r_out + 1e-9; r += 0.5, ++n)
      sum += sample(image, cx + r * std::cos(a * kPi / 180.0), cy + r * std::sin(a * kPi / 180.0));
    angles.push_back(a);
    weights.push_back(sum / n);
  }
  const auto [lowest, highest] = std::minmax_element(weights.begin(), weights.end());
  if (lowest == weights.end()) return Found{expected + 90.0, 0.0};
  const double floor = *lowest;
  const double peak = *highest;
  double total = 0.0;
  double moment = 0.0;
  for (std::size_t i = 0; i < angles.size(); ++i) {
    // Only the tick itself: the upper half of the bump.
    const double w = std::max(0.0, weights[i] - (floor + peak) / 2.0);
    total += w;
    moment += w * angles[i];
  }
  return Found{total > 0.0 ? moment / total : expected + 90.0, peak - floor};
}

TEST(Scales, EveryMarkLiesWhereTheNeedlePointsForItsValue) {
  const artgen::Catalogue all = artgen::catalogue();
  ASSERT_FALSE(all.scales.empty());
  for (const artgen::Scale& scale : all.scales) {
    const artgen::Image& image = vt(scale.bitmap_id).image;
    for (const double value : scale.marks) {
      SCOPED_TRACE(testing::Message() << "bitmap 0x" << std::hex << scale.bitmap_id << std::dec << ", mark "
                                      << value);
      const double expected = host_angle(scale.rows, scale.pivot, value);
      const Found found = find_tick(image, scale, expected);
      EXPECT_GT(found.contrast, 40.0) << "no tick near " << expected << " degrees";
      EXPECT_NEAR(found.angle, expected, 1.0);
    }
  }
}

TEST(Scales, TheRuleHereMatchesTheWorkedDirections) {
  // Fuel, left needle: 0 towards (30,103), 264 towards (30,24), through the
  // left (180 degrees) half way.
  const artgen::CalRow left[] = {{30, 103, 0.0}, {30, 24, 264.0}};
  EXPECT_NEAR(host_angle(left, {64, 64}, 0.0), std::atan2(39.0, -34.0) * 180.0 / kPi, 1e-9);
  EXPECT_NEAR(host_angle(left, {64, 64}, 132.0), 180.0, 0.5);
  // Radio compass rose, stored from 359 down to 0: one counterclockwise turn.
  const artgen::CalRow rose[] = {{64, 16, 359}, {110, 64, 270}, {64, 112, 180}, {16, 64, 90}, {64, 16, 0}};
  EXPECT_NEAR(host_angle(rose, {64, 64}, 359.0), -90.0, 1e-9);
  EXPECT_NEAR(host_angle(rose, {64, 64}, 90.0), 180.0, 1e-9);
  EXPECT_NEAR(host_angle(rose, {64, 64}, 0.0), 270.0, 1e-9);
}

}  // namespace
}  // namespace art_checks
