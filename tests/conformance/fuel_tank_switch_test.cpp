// "Fuel Tank Switch": the knob picture follows integer-coded host variable
// 307; four click areas send the selection key events.
#include <limits>

#include "module_fixture.h"

namespace conformance {
namespace {

class FuelTankSwitchTest : public ModuleTest {
 protected:
  void SetUp() override { gauge = &install("Velmar_Tavrin", "Fuel Tank Switch"); }
  panelhost::GaugeInstance* gauge = nullptr;
};

struct SelectionCase {
  std::uint32_t selection;
  double picture;
};

constexpr SelectionCase kSelections[] = {
    {0, 3.0}, {1, 0.0}, {2, 1.0}, {3, 2.0}, {4, 0.0}, {0xFFFFFFFF, 0.0}, {0x80000000, 0.0},
};

TEST_F(FuelTankSwitchTest, PictureFollowsTheIntegerSelection) {
  for (const SelectionCase& c : kSelections) {
    SCOPED_TRACE(c.selection);
    host.variables().set_u32(307, c.selection);
    host.update(*gauge);
    EXPECT_SAME_DOUBLE(c.picture, gauge->values()[1].value[0]);
  }
}

// The callback reads the low 32 bits, never the float view: a float 2.0 has
// zero low bits and reads as selection 0.
TEST_F(FuelTankSwitchTest, FloatDeliveryIsReadByItsLowBits) {
  host.variables().set_f64(307, 2.0);
  host.update(*gauge);
  EXPECT_SAME_DOUBLE(3.0, gauge->values()[1].value[0]);
  // Whatever the upper half holds, the low 32 bits decide.
  host.variables().set_f64(307, std::bit_cast<double>(std::uint64_t{0xDEADBEEF00000002}));
  host.update(*gauge);
  EXPECT_SAME_DOUBLE(1.0, gauge->values()[1].value[0]);
  host.variables().set_f64(307, std::numeric_limits<double>::quiet_NaN());
  host.update(*gauge);
  EXPECT_SAME_DOUBLE(3.0, gauge->values()[1].value[0]);  // a quiet NaN's low bits are zero
}

TEST_F(FuelTankSwitchTest, KnobIconCarriesFourPicturesAndAnEmptyFailureTable) {
  const auto* dial = element_at<ELEMENT_STATIC_IMAGE>(*gauge, 0);
  const auto* knob = element_at<ELEMENT_ICON>(*gauge, 1);
  EXPECT_EQ(dial->header.bitmap_id, 0x1400u);
  EXPECT_EQ(dial->header.image_flags, 0x1u);
  EXPECT_EQ(knob->header.bitmap_id, 0x1500u);
  EXPECT_EQ(knob->header.image_flags, 0x3u);
  EXPECT_EQ(knob->picture_count, 4u);
  EXPECT_EQ(knob->source_var.id, 307u);
  ASSERT_NE(dial->header.failure_table, nullptr);
  EXPECT_EQ(dial->header.failure_table, knob->header.failure_table);
  EXPECT_EQ(dial->header.failure_table[0].key, 0u);
}

struct ClickCase {
  PIXPOINT point;
  FLAGS32 flags;
  bool sends;
  std::uint32_t event;
};

constexpr FLAGS32 kLeft = MOUSE_LEFTSINGLE;
constexpr ClickCase kClicks[] = {
    {{60, 20}, kLeft, true, 0x101A4},   {{20, 60}, kLeft, true, 0x101A5},
    {{100, 60}, kLeft, true, 0x101A6},  {{60, 100}, kLeft, true, 0x101A3},
    // Box edges: left and top inside, right and bottom outside.
    {{56, 8}, kLeft, true, 0x101A4},    {{71, 39}, kLeft, true, 0x101A4},
    {{72, 20}, kLeft, false, 0},        {{60, 40}, kLeft, false, 0},
    {{55, 20}, kLeft, false, 0},        {{60, 7}, kLeft, false, 0},
    // The hub, the corners and between the areas.
    {{64, 64}, kLeft, false, 0},        {{10, 10}, kLeft, false, 0},
    {{120, 120}, kLeft, false, 0},      {{45, 45}, kLeft, false, 0},
    {{127, 0}, kLeft, false, 0},        {{-1, -1}, kLeft, false, 0},
    // Only a left single click acts.
    {{60, 20}, MOUSE_RIGHTSINGLE, false, 0}, {{20, 60}, MOUSE_LEFTDRAG, false, 0},
};

TEST_F(FuelTankSwitchTest, ClicksSendTheirAreasEvent) {
  for (const ClickCase& c : kClicks) {
    SCOPED_TRACE(testing::Message() << "(" << c.point.x << ", " << c.point.y << ") flags " << std::hex << c.flags);
    const panelhost::MouseOutcome outcome = host.mouse(*gauge, c.point, c.flags);
    EXPECT_EQ(outcome.handled, c.sends);
    if (c.sends) {
      EXPECT_EQ(outcome.result, 1);
      ASSERT_EQ(outcome.key_events.size(), 1u);
      EXPECT_EQ(outcome.key_events[0], (panelhost::KeyEvent{c.event, 0}));
    } else {
      EXPECT_TRUE(outcome.key_events.empty());
    }
  }
}

TEST_F(FuelTankSwitchTest, ClickingTheShownPositionSendsItsEventAgain) {
  host.variables().set_u32(307, 2);
  host.update(*gauge);
  host.mouse(*gauge, {20, 60}, MOUSE_LEFTSINGLE);
  host.mouse(*gauge, {20, 60}, MOUSE_LEFTSINGLE);
  EXPECT_EQ(host.key_events(), (std::vector<panelhost::KeyEvent>{{0x101A5, 0}, {0x101A5, 0}}));
}

TEST_F(FuelTankSwitchTest, MouseTableRows) {
  const std::span<MOUSERECT> rows = gauge->mouse_rows();
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0].kind, MOUSE_RECT_PARENT);
  EXPECT_EQ(rows[0].help_id, 0xAB2Du);
  for (std::size_t i = 1; i <= 4; ++i) {
    EXPECT_EQ(rows[i].kind, MOUSE_RECT_CHILD);
    EXPECT_EQ(rows[i].cursor, 5);
    EXPECT_EQ(rows[i].help_id, 0u);
    EXPECT_EQ(rows[i].mouse_flags, 0x20000000u);
    EXPECT_EQ(rows[i].key_event_id, 0u);
    EXPECT_EQ(rows[i].handler_data, nullptr);
  }
  EXPECT_EQ(rows[5].kind, MOUSE_RECT_END_PARENT);
  EXPECT_EQ(rows[6].kind, MOUSE_RECT_EOL);
}

}  // namespace
}  // namespace conformance
