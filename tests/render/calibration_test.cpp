// Needle calibration: the angle for a value, from the calibration tables of
// the cockpit's needles (their points and values as the gauges carry them).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calibration.h"

namespace panelhost::render {
namespace {

struct Table {
  std::string name;
  PIXPOINT pivot;
  std::vector<NONLINEARITY> rows;
};

const std::vector<Table>& cockpit_tables() {
  static const std::vector<Table> tables = {
      {"fuel left", {64, 64}, {{{30, 103}, 0.0}, {{30, 24}, 264.0}}},
      {"fuel right (largest value first)", {64, 64}, {{{92, 24}, 264.0}, {{92, 103}, 0.0}}},
      {"airspeed (over the top)",
       {64, 64},
       {{{64, 121}, 0.0}, {{23, 105}, 27.0}, {{10, 85}, 54.0}, {{85, 117}, 378.0}, {{70, 121}, 486.0}}},
      {"vertical speed",
       {64, 64},
       {{{64, 120}, -5120.0},
        {{35, 112}, -2560.0},
        {{25, 104}, -1280.0},
        {{8, 64}, 0.0},
        {{24, 24}, 1280.0},
        {{35, 16}, 2560.0},
        {{64, 8}, 5120.0},
        {{97, 16}, 7680.0},
        {{104, 24}, 8960.0},
        {{109, 31}, 10240.0}}},
      {"turn ball (largest value first)", {64, 13}, {{{94, 88}, 127.0}, {{64, 96}, 0.0}, {{32, 88}, -127.0}}},
      {"turn pointer", {64, 112}, {{{18, 47}, -3600.0}, {{64, 14}, 0.0}, {{107, 47}, 3600.0}}},
      {"altimeter km", {56, 58}, {{{57, 99}, 0.0}, {{57, 12}, 500.0}, {{83, 92}, 900.0}}},
      {"clock long hand (full turn)", {37, 37}, {{{37, 9}, 0.0}, {{66, 37}, 15.0}, {{37, 66}, 30.0}, {{9, 37}, 45.0}}},
      {"clock short hand (double turn)",
       {37, 37},
       {{{37, 9}, 0.0},
        {{66, 37}, 3.0},
        {{37, 66}, 6.0},
        {{9, 37}, 9.0},
        {{37, 9}, 12.0},
        {{66, 37}, 15.0},
        {{37, 66}, 18.0},
        {{9, 37}, 21.0}}},
      {"radio compass (largest value first)",
       {64, 64},
       {{{64, 16}, 359.0}, {{110, 64}, 270.0}, {{64, 112}, 180.0}, {{16, 64}, 90.0}, {{64, 16}, 0.0}}},
      {"tachometer (over the top)",
       {64, 64},
       {{{64, 118}, 0.0}, {{54, 118}, 600.0}, {{22, 99}, 1000.0}, {{110, 91}, 3500.0}}},
      {"manifold pressure (over the top)", {64, 64}, {{{63, 127}, 0.0}, {{43, 86}, 1270.0}, {{62, 86}, 3811.0}}},
  };
  return tables;
}

double turn_between(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

TEST(Calibration, DirectionsAreClockwiseFromStraightUp) {
  struct Case {
    PIXPOINT point;
    double degrees;
  } cases[] = {
      {{10, 0}, 0.0}, {{20, 10}, 90.0}, {{10, 20}, 180.0}, {{0, 10}, 270.0}, {{20, 0}, 45.0}, {{0, 0}, 315.0},
      {{10, 10}, 0.0},  // the pivot itself: no direction, counts as up
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(direction_degrees({10, 10}, c.point), c.degrees) << c.point.x << "," << c.point.y;
}

TEST(Calibration, ClockwiseTurnIsFromZeroToUnderAFullTurn) {
  EXPECT_DOUBLE_EQ(clockwise_turn(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(clockwise_turn(10.0, 350.0), 340.0);
  EXPECT_DOUBLE_EQ(clockwise_turn(90.0, 90.0), 0.0);
  EXPECT_DOUBLE_EQ(clockwise_turn(0.0, 359.9999), 359.9999);
}

// Every row of every table shows its own point's direction.
TEST(Calibration, EveryRowLandsOnItsPoint) {
  for (const Table& table : cockpit_tables()) {
    const NeedleCalibration calibration(table.pivot, table.rows);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      const auto angle = calibration.angle(table.rows[i].value);
      ASSERT_TRUE(angle) << table.name;
      const double expected = direction_degrees(table.pivot, table.rows[i].point);
      EXPECT_LE(turn_between(*angle, expected), 0.5) << table.name << " row " << i << ": " << *angle;
    }
  }
}

// Angles only grow along the table, each step less than a full turn.
TEST(Calibration, AnglesAccumulateClockwiseInTableOrder) {
  for (const Table& table : cockpit_tables()) {
    const NeedleCalibration calibration(table.pivot, table.rows);
    const auto& rows = calibration.rows();
    for (std::size_t i = 1; i < rows.size(); ++i) {
      EXPECT_GE(rows[i].angle, rows[i - 1].angle) << table.name << " row " << i;
      EXPECT_LT(rows[i].angle - rows[i - 1].angle, 360.0) << table.name << " row " << i;
    }
  }
}

// Where the scales end up, in accumulated degrees.
TEST(Calibration, ScalesRunAsTheirDialsShow) {
  struct Case {
    const char* table;
    double value;
    double angle;  // accumulated
  };
  const Case cases[] = {
      {"clock long hand (full turn)", 45.0, 270.0},
      {"clock short hand (double turn)", 12.0, 360.0},
      {"clock short hand (double turn)", 21.0, 630.0},
      {"radio compass (largest value first)", 0.0, 360.0},  // one turn from 359 down to 0
      {"radio compass (largest value first)", 180.0, 180.0},
      {"turn pointer", 0.0, 360.0},
  };
  for (const Case& c : cases) {
    for (const Table& table : cockpit_tables()) {
      if (table.name != c.table) continue;
      const auto angle = NeedleCalibration(table.pivot, table.rows).angle(c.value);
      ASSERT_TRUE(angle);
      EXPECT_NEAR(*angle, c.angle, 1e-9) << c.table << " at " << c.value;
    }
  }
  // Over the top: the last rows lie a turn and more past the first.
  const auto& airspeed = cockpit_tables()[2];
  const NeedleCalibration calibration(airspeed.pivot, airspeed.rows);
  EXPECT_GT(calibration.rows()[3].angle, 360.0);
  EXPECT_GT(calibration.rows()[4].angle, calibration.rows()[3].angle);
}

TEST(Calibration, ValuesBetweenRowsInterpolateByValue) {
  // Fuel right, stored from 264 down: half-way by value is half-way by angle.
  const Table& right = cockpit_tables()[1];
  const NeedleCalibration calibration(right.pivot, right.rows);
  const double top = calibration.rows()[0].angle;
  const double bottom = calibration.rows()[1].angle;
  EXPECT_LT(top, bottom);  // clockwise from the top (264) down the right side to 0
  EXPECT_DOUBLE_EQ(*calibration.angle(132.0), (top + bottom) / 2.0);
  EXPECT_DOUBLE_EQ(*calibration.angle(66.0), top + (bottom - top) * 0.75);
  // Its mid-scale points right, over the R half of the dial.
  EXPECT_NEAR(wrap_degrees(*calibration.angle(132.0)), 90.0, 1.0);
}

TEST(Calibration, ValuesBeyondTheEndsExtrapolateAlongTheEndSegments) {
  const Table& clock = cockpit_tables()[7];
  const NeedleCalibration hand(clock.pivot, clock.rows);
  EXPECT_DOUBLE_EQ(*hand.angle(60.0), 360.0);   // the last quarter, past the last row
  EXPECT_DOUBLE_EQ(*hand.angle(52.5), 315.0);
  EXPECT_DOUBLE_EQ(*hand.angle(-7.5), -45.0);  // before the first row
  const Table& km = cockpit_tables()[6];
  const NeedleCalibration altimeter(km.pivot, km.rows);
  const auto& rows = altimeter.rows();
  const double slope = (rows[2].angle - rows[1].angle) / 400.0;
  EXPECT_NEAR(*altimeter.angle(1300.0), rows[2].angle + 400.0 * slope, 1e-9);
  // The radio compass keeps turning past 359 and below 0.
  const Table& compass = cockpit_tables()[9];
  const NeedleCalibration rose(compass.pivot, compass.rows);
  EXPECT_NEAR(*rose.angle(-90.0), 450.0, 1e-9);
}

TEST(Calibration, NonFiniteValuesAndSmallTables) {
  const Table& left = cockpit_tables()[0];
  const NeedleCalibration calibration(left.pivot, left.rows);
  EXPECT_FALSE(calibration.angle(std::nan("")));
  EXPECT_TRUE(std::isinf(*calibration.angle(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isinf(*calibration.angle(-std::numeric_limits<double>::infinity())));

  const std::vector<NONLINEARITY> one = {{{64, 0}, 5.0}};
  EXPECT_DOUBLE_EQ(*NeedleCalibration({64, 64}, one).angle(-1e9), 0.0);
  // A flat end segment stays flat out to infinity.
  const std::vector<NONLINEARITY> flat = {{{64, 0}, 0.0}, {{64, 0}, 10.0}};
  EXPECT_DOUBLE_EQ(*NeedleCalibration({64, 64}, flat).angle(std::numeric_limits<double>::infinity()), 0.0);
  // Two rows with one value: a step at that value, no division by zero.
  const std::vector<NONLINEARITY> step = {{{64, 0}, 0.0}, {{128, 64}, 0.0}, {{64, 128}, 10.0}};
  const NeedleCalibration stepped({64, 64}, step);
  EXPECT_DOUBLE_EQ(*stepped.angle(0.0), 90.0);
  EXPECT_DOUBLE_EQ(*stepped.angle(5.0), 135.0);
  EXPECT_DOUBLE_EQ(*stepped.angle(-10.0), 0.0);
  EXPECT_FALSE(NeedleCalibration().angle(1.0));
}

TEST(NeedleMotion, FirstUpdatePlacesLaterOnesTurnAtMostTheLimit) {
  struct Step {
    std::optional<double> target;
    double shown;
    bool changed;
  };
  const std::vector<Step> steps = {
      {std::nullopt, 0.0, false},  // nothing to show yet: not placed
      {200.0, 200.0, true},        // placed at once
      {20.0, 20.0, true},          // 180 degrees away: within one tick's limit
      {20.0, 20.0, false},
      {400.0, 200.0, true},        // turns the long way if the table says so
      {400.0, 380.0, true},
      {400.0, 400.0, true},
      {std::nan(""), 400.0, false},  // a NaN holds the needle
      {std::numeric_limits<double>::infinity(), 400.0, false},
      {-100.0, 220.0, true},
  };
  NeedleMotion motion(180);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    EXPECT_EQ(motion.step(step.target), step.changed) << "step " << i;
    if (i > 0) {
      EXPECT_TRUE(motion.placed());
      EXPECT_DOUBLE_EQ(motion.angle(), step.shown) << "step " << i;
    } else {
      EXPECT_FALSE(motion.placed());
    }
  }
}

TEST(NeedleMotion, NoLimitMeansAtOnce) {
  for (const std::int32_t limit : {0, -5}) {
    NeedleMotion motion(limit);
    motion.step(10.0);
    motion.step(1000.0);
    EXPECT_DOUBLE_EQ(motion.angle(), 1000.0);
  }
  // A limit of three turns (the clock's) crosses a full turn in one update.
  NeedleMotion clock(1080);
  clock.step(0.0);
  clock.step(690.0);
  EXPECT_DOUBLE_EQ(clock.angle(), 690.0);
}

TEST(Calibration, WrapKeepsOneTurn) {
  EXPECT_DOUBLE_EQ(wrap_degrees(720.0), 0.0);
  EXPECT_DOUBLE_EQ(wrap_degrees(-90.0), 270.0);
  EXPECT_DOUBLE_EQ(wrap_degrees(-1e-20), 0.0);
  EXPECT_DOUBLE_EQ(wrap_degrees(359.5), 359.5);
}

}  // namespace
}  // namespace panelhost::render
