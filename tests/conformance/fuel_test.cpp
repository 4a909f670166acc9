// "Fuel": two needles clamped to 0..264 under an overlay, a shared failure
// table and a tooltip.
#include <cmath>
#include <limits>

#include "module_fixture.h"

namespace conformance {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

class FuelTest : public ModuleTest {
 protected:
  void SetUp() override { gauge = &install("Velmar_Tavrin", "Fuel"); }
  const ELEMENT_STATIC_IMAGE* dial() const { return element_at<ELEMENT_STATIC_IMAGE>(*gauge, 0); }
  const ELEMENT_NEEDLE* left() const { return element_at<ELEMENT_NEEDLE>(*gauge, 1); }
  const ELEMENT_NEEDLE* right() const { return element_at<ELEMENT_NEEDLE>(*gauge, 2); }
  const ELEMENT_ICON* overlay() const { return element_at<ELEMENT_ICON>(*gauge, 3); }
  panelhost::GaugeInstance* gauge = nullptr;
};

struct ClampCase {
  double input;
  double expected;
};

// Both callbacks clamp to 0..264, maximum first, NaN to the minimum; a value
// at or between the bounds comes back unchanged, sign of zero included.
constexpr ClampCase kClampCases[] = {
    {-1.0, 0.0},         {0.0, 0.0},
    {132.5, 132.5},      {264.0, 264.0},
    {264.001, 264.0},    {100000.0, 264.0},
    {kNaN, 0.0},         {-kNaN, 0.0},
    {kInf, 264.0},       {-kInf, 0.0},
    {kDenormal, kDenormal}, {-kDenormal, 0.0},
    {-0.0, -0.0},        {std::numeric_limits<double>::max(), 264.0},
    {263.99999999999994, 263.99999999999994},
};

TEST_F(FuelTest, EachNeedleClampsItsOwnVariable) {
  for (const ClampCase& c : kClampCases) {
    SCOPED_TRACE(testing::Message() << "input " << c.input);
    // Left needle moves alone; the right one keeps its variable's value.
    host.variables().set_f64(304, c.input);
    host.variables().set_f64(303, 10.0);
    host.update(*gauge);
    EXPECT_SAME_DOUBLE(c.expected, gauge->values()[1].value[0]);
    EXPECT_SAME_DOUBLE(10.0, gauge->values()[2].value[0]);
    // And the other way round.
    host.variables().set_f64(304, 10.0);
    host.variables().set_f64(303, c.input);
    host.update(*gauge);
    EXPECT_SAME_DOUBLE(10.0, gauge->values()[1].value[0]);
    EXPECT_SAME_DOUBLE(c.expected, gauge->values()[2].value[0]);
  }
}

// Every sign and exponent, with the extreme mantissas: NaNs of every payload,
// infinities, denormals and both zeros all land on the rule.
TEST_F(FuelTest, EveryBitPatternFollowsTheClampRule) {
  const std::uint64_t mantissas[] = {0, 1, 0x8000000000000, 0xFFFFFFFFFFFFF};
  for (ELEMENT_NEEDLE* needle : {element_at<ELEMENT_NEEDLE>(*gauge, 1), element_at<ELEMENT_NEEDLE>(*gauge, 2)}) {
    for (std::uint64_t sign = 0; sign < 2; ++sign) {
      for (std::uint64_t exponent = 0; exponent < 2048; ++exponent) {
        for (const std::uint64_t mantissa : mantissas) {
          const double input = std::bit_cast<double>(sign << 63 | exponent << 52 | mantissa);
          module_var_set_f64(needle->source_var, input);
          const double result = needle->value_callback(needle);
          const double expected = input > 264.0 ? 264.0 : (input >= 0.0 ? input : 0.0);
          ASSERT_EQ(bits(expected), bits(result)) << std::hexfloat << input;
        }
      }
    }
  }
}

TEST_F(FuelTest, CallbacksReadOnlyTheirElementsVariable) {
  // Called straight, with the record's value set by hand: no host lookup.
  ELEMENT_NEEDLE* needle = element_at<ELEMENT_NEEDLE>(*gauge, 1);
  module_var_set_f64(needle->source_var, 500.0);
  EXPECT_SAME_DOUBLE(264.0, needle->value_callback(needle));
  module_var_set_f64(needle->source_var, 7.25);
  EXPECT_SAME_DOUBLE(7.25, needle->value_callback(needle));
  EXPECT_NE(left()->value_callback, right()->value_callback);
  EXPECT_TRUE(host.key_events().empty());
}

TEST_F(FuelTest, ElementChainReadsLikeTheGaugesTable) {
  ASSERT_EQ(gauge->elements().size(), 4u);
  struct Row {
    ELEMENT_KIND kind;
    std::uint32_t bitmap;
    PIXPOINT position;
    PIXPOINT pivot;
    FLAGS32 flags;
    std::size_t depth;
  };
  const Row rows[] = {
      {ELEMENT_KIND_STATIC_IMAGE, 0x1000, {0, 0}, {0, 0}, 0x1, 0},
      {ELEMENT_KIND_NEEDLE, 0x1100, {64, 64}, {5, 4}, 0x3, 1},
      {ELEMENT_KIND_NEEDLE, 0x1200, {64, 64}, {5, 4}, 0x3, 2},
      {ELEMENT_KIND_ICON, 0x1300, {0, 0}, {0, 0}, 0x3, 3},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const ELEMENT_HEADER* element = gauge->elements()[i].element;
    EXPECT_EQ(element->kind, rows[i].kind);
    EXPECT_EQ(element->bitmap_id, rows[i].bitmap);
    EXPECT_EQ(element->position.x, rows[i].position.x);
    EXPECT_EQ(element->position.y, rows[i].position.y);
    EXPECT_EQ(element->pivot_offset.x, rows[i].pivot.x);
    EXPECT_EQ(element->pivot_offset.y, rows[i].pivot.y);
    EXPECT_EQ(element->image_flags, rows[i].flags);
    EXPECT_EQ(element->gauge_header, gauge->header());
    EXPECT_EQ(gauge->elements()[i].depth, rows[i].depth);
  }
  // The overlay ends the chain and so is drawn last.
  EXPECT_EQ(overlay()->header.child_list, nullptr);
  EXPECT_EQ(gauge->header()->default_width_mm, 128u);
  EXPECT_STREQ(gauge->header()->gauge_name, "Fuel");
}

TEST_F(FuelTest, NeedlesCarryTheirVariablesTablesAndTurnRate) {
  EXPECT_EQ(left()->source_var.id, 304u);
  EXPECT_EQ(right()->source_var.id, 303u);
  EXPECT_EQ(left()->max_degrees_per_tick, 180);
  EXPECT_EQ(right()->max_degrees_per_tick, 180);
  ASSERT_EQ(left()->nonlinearity_rows, 2u);
  ASSERT_EQ(right()->nonlinearity_rows, 2u);
  struct Row {
    PIXPOINT point;
    double value;
  };
  const Row left_rows[] = {{{30, 103}, 0.0}, {{30, 24}, 264.0}};
  const Row right_rows[] = {{{92, 24}, 264.0}, {{92, 103}, 0.0}};  // stored high value first
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(left()->nonlinearity[i].point.x, left_rows[i].point.x);
    EXPECT_EQ(left()->nonlinearity[i].point.y, left_rows[i].point.y);
    EXPECT_SAME_DOUBLE(left_rows[i].value, left()->nonlinearity[i].value);
    EXPECT_SAME_DOUBLE(0.0, left()->nonlinearity[i].degrees);
    EXPECT_EQ(right()->nonlinearity[i].point.x, right_rows[i].point.x);
    EXPECT_EQ(right()->nonlinearity[i].point.y, right_rows[i].point.y);
    EXPECT_SAME_DOUBLE(right_rows[i].value, right()->nonlinearity[i].value);
    EXPECT_SAME_DOUBLE(0.0, right()->nonlinearity[i].degrees);
  }
}

TEST_F(FuelTest, DialAndNeedlesShareOneFailureTableTheOverlayHasNone) {
  const FAILURE_RECORD* table = dial()->header.failure_table;
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(left()->header.failure_table, table);
  EXPECT_EQ(right()->header.failure_table, table);
  EXPECT_EQ(overlay()->header.failure_table, nullptr);
  EXPECT_EQ(table[0].key, 20u);
  EXPECT_EQ(table[0].action, 2u);
  EXPECT_EQ(table[0].reserved, 0u);
  EXPECT_EQ(table[1].key, 10u);
  EXPECT_EQ(table[1].action, 1u);
  EXPECT_EQ(table[2].key, 0u);
}

TEST_F(FuelTest, OverlayAlwaysShowsItsOnePicture) {
  EXPECT_EQ(overlay()->source_var.id, 0u);
  EXPECT_EQ(overlay()->value_callback, nullptr);
  EXPECT_EQ(overlay()->picture_count, 1u);
  host.variables().set_f64(304, 99.0);
  host.update(*gauge);
  EXPECT_SAME_DOUBLE(0.0, gauge->values()[3].value[0]);
}

TEST_F(FuelTest, TooltipOnlyMouseTable) {
  const std::span<MOUSERECT> rows = gauge->mouse_rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].kind, MOUSE_RECT_PARENT);
  EXPECT_EQ(rows[0].help_id, 0xAB26u);
  EXPECT_EQ(rows[0].cursor, -1);
  EXPECT_EQ(rows[1].kind, MOUSE_RECT_END_PARENT);
  EXPECT_EQ(rows[2].kind, MOUSE_RECT_EOL);
  for (const MOUSERECT& row : rows) {
    EXPECT_EQ(row.handler, nullptr);
    EXPECT_EQ(row.mouse_flags, 0u);
    EXPECT_EQ(row.box_width, 0);
  }
  EXPECT_FALSE(host.mouse(*gauge, {64, 64}, MOUSE_LEFTSINGLE).handled);
}

TEST_F(FuelTest, InstalledDialCarriesItsSize) {
  ASSERT_NE(dial()->image, nullptr);
  EXPECT_EQ(dial()->image->size.x, 128);
  EXPECT_EQ(dial()->image->size.y, 128);
}

}  // namespace
}  // namespace conformance
