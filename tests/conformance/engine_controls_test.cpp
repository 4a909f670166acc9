// quadrant's "Engine Controls": its own routines install the element list and
// the mouse table; six lever columns turn a mouse height into a lever value.
#include <climits>

#include "engine_controls.h"
#include "module_fixture.h"

namespace conformance {
namespace {

using panelhost::KeyEvent;

struct LeverCase {
  std::int32_t height;
  std::int32_t y;
  std::optional<std::int32_t> value;
};

constexpr LeverCase kLeverCases[] = {
    // The gauge's own height.
    {210, 0, 16384},  {210, 1, 16305},  {210, 105, 8192}, {210, 209, 78}, {210, 210, 0},
    {210, 2, 16227},  {210, 104, 8270},
    // Above and below the gauge.
    {210, -1, 16384}, {210, -500, 16384}, {210, 211, 0}, {210, 5000, 0},
    // Far out: the product leaves 32 bits, the value is still clamped.
    {210, -131072, 16384}, {210, 131282, 0}, {210, INT_MIN, 16384}, {210, INT_MAX, 0},
    // Another reported height scales by that height.
    {100, 50, 8192},  {100, 1, 16220},  {100, 0, 16384},  {100, 100, 0},  {420, 105, 12288},
    {1, 0, 16384},    {1, 1, 0},
    // No positive height, no value.
    {0, 0, std::nullopt}, {0, 100, std::nullopt}, {-210, 105, std::nullopt},
};

TEST(LeverValue, TurnsAHeightIntoAClampedLeverValue) {
  for (const LeverCase& c : kLeverCases) {
    SCOPED_TRACE(testing::Message() << "H " << c.height << ", y " << c.y);
    EXPECT_EQ(quadrant::lever_value(c.height, c.y), c.value);
  }
}

class EngineControlsTest : public ModuleTest {
 protected:
  void SetUp() override { gauge = &install("quadrant", "Engine Controls"); }
  ELEMENT_STATIC_IMAGE* background() const { return element_at<ELEMENT_STATIC_IMAGE>(*gauge, 0); }
  panelhost::GaugeInstance* gauge = nullptr;
};

struct Lever {
  std::int32_t column_x;
  std::int32_t width;
  std::uint32_t event;
  std::uint32_t variable;
  std::uint32_t bitmap;
  PIXPOINT position;
  double scale;
};

// Left to right across the gauge.
constexpr Lever kLevers[] = {
    {0, 20, 0x10183, 129, 1100, {0, 162}, -0.0099},     {20, 24, 0x10184, 164, 1400, {20, 162}, -0.0099},
    {55, 22, 0x1011C, 128, 1200, {55, 171}, -0.0104},   {78, 22, 0x1011D, 163, 1500, {78, 171}, -0.0104},
    {112, 25, 0x1017F, 130, 1300, {112, 162}, -0.0099}, {138, 19, 0x10180, 165, 1600, {138, 162}, -0.0099},
};

TEST_F(EngineControlsTest, InstallAndKillCallTheServicesInOrder) {
  const auto& calls = host.service_calls();
  ASSERT_GE(calls.size(), 3u);
  const std::size_t first = calls.size() - 3;
  EXPECT_EQ(calls[first].service, "element_list_install");
  EXPECT_EQ(calls[first].records.at(0), &background()->header);
  EXPECT_EQ(calls[first + 1].service, "mouse_list_install");
  EXPECT_EQ(calls[first + 1].records.at(0), gauge->mouse_rows().data());
  EXPECT_EQ(calls[first + 1].records.at(1), gauge->header());
  // The host's own size record of the installed background, not a copy.
  ASSERT_NE(background()->image, nullptr);
  EXPECT_EQ(calls[first + 1].records.at(2), &background()->image->size);
  EXPECT_EQ(calls[first + 2].service, "mouse_list_register");
  EXPECT_EQ(calls[first + 2].records.at(0), gauge->mouse_rows().data());

  MOUSERECT* table = gauge->mouse_rows().data();
  const GAUGEHDR* header = gauge->header();
  host.remove(*gauge);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2].service, "mouse_list_unregister");
  EXPECT_EQ(calls[calls.size() - 2].records.at(0), table);
  EXPECT_EQ(calls[calls.size() - 2].records.at(1), header);
  EXPECT_EQ(calls.back().service, "element_list_kill");
  gauge = &install("quadrant", "Engine Controls");  // the fixture's gauge again
}

TEST_F(EngineControlsTest, HeaderIsVersion610WithItsOwnRoutinesAndNoMouseTable) {
  const GAUGEHDR* header = gauge->header();
  EXPECT_EQ(header->header_version, 610u);
  EXPECT_STREQ(header->gauge_name, "Engine Controls");
  EXPECT_EQ(header->default_width_mm, 50u);
  EXPECT_EQ(header->mouse_rect, nullptr);
  EXPECT_EQ(load("quadrant").gauge_table()[1], nullptr);
  EXPECT_EQ(load("quadrant").linkage()->module_id, 0x13u);
}

TEST_F(EngineControlsTest, BackgroundListsSixSliders) {
  ASSERT_EQ(gauge->elements().size(), 7u);
  EXPECT_EQ(background()->header.bitmap_id, 1000u);
  EXPECT_EQ(background()->header.image_flags, 0x3u);
  EXPECT_EQ(background()->header.failure_table, nullptr);
  EXPECT_EQ(background()->image->size.x, 157);
  EXPECT_EQ(background()->image->size.y, 210);
  // Child-list order: the left levers, then the right ones.
  const std::size_t order[] = {0, 2, 4, 1, 3, 5};
  for (std::size_t i = 0; i < 6; ++i) {
    const Lever& lever = kLevers[order[i]];
    SCOPED_TRACE(lever.bitmap);
    const auto* slider = element_at<ELEMENT_SLIDER>(*gauge, i + 1);
    EXPECT_EQ(slider->header.kind, ELEMENT_KIND_SLIDER);
    EXPECT_EQ(slider->header.bitmap_id, lever.bitmap);
    EXPECT_EQ(slider->header.position.x, lever.position.x);
    EXPECT_EQ(slider->header.position.y, lever.position.y);
    EXPECT_EQ(slider->header.image_flags, 0x3u);
    EXPECT_EQ(slider->header.failure_table, nullptr);
    EXPECT_EQ(slider->source_var_x.id, 0u);
    EXPECT_SAME_DOUBLE(0.0, slider->scale_x);
    EXPECT_EQ(slider->value_callback_x, nullptr);
    EXPECT_EQ(slider->source_var_y.id, lever.variable);
    EXPECT_SAME_DOUBLE(lever.scale, slider->scale_y);
    EXPECT_EQ(slider->value_callback_y, nullptr);
    EXPECT_EQ(gauge->elements()[i + 1].depth, 1u);
  }
}

TEST_F(EngineControlsTest, SlidersShowTheirVariablesUnchanged) {
  host.variables().set_f64(129, 16384.0);
  host.variables().set_f64(165, -3.5);
  host.update(*gauge);
  EXPECT_SAME_DOUBLE(16384.0, gauge->values()[1].value[1]);
  EXPECT_SAME_DOUBLE(-3.5, gauge->values()[6].value[1]);
  EXPECT_SAME_DOUBLE(0.0, gauge->values()[1].value[0]);
}

TEST_F(EngineControlsTest, EachLeverSendsItsOwnEvent) {
  for (const Lever& lever : kLevers) {
    SCOPED_TRACE(lever.event);
    for (const FLAGS32 flags : {MOUSE_LEFTSINGLE, MOUSE_LEFTDRAG}) {
      const auto outcome = host.mouse(*gauge, {lever.column_x + lever.width / 2, 105}, flags);
      ASSERT_TRUE(outcome.handled);
      EXPECT_EQ(outcome.result, 0);
      EXPECT_EQ(outcome.key_events, (std::vector<KeyEvent>{{lever.event, 8192}}));
    }
    // The column's edges: left inside, right outside.
    EXPECT_EQ(host.mouse(*gauge, {lever.column_x, 0}, MOUSE_LEFTSINGLE).key_events,
              (std::vector<KeyEvent>{{lever.event, 16384}}));
  }
  // In each pair the left lever has the lower event.
  for (std::size_t pair = 0; pair < 3; ++pair) EXPECT_LT(kLevers[2 * pair].event, kLevers[2 * pair + 1].event);
}

// A nested group's child box (0, 0, w, h) lies at the group's position.
TEST_F(EngineControlsTest, ChildBoxesLieAtTheirGroupsPosition) {
  EXPECT_EQ(host.mouse(*gauge, {55, 50}, MOUSE_LEFTSINGLE).row, 5u);
  EXPECT_EQ(host.mouse(*gauge, {138, 50}, MOUSE_LEFTSINGLE).row, 17u);
  EXPECT_EQ(host.mouse(*gauge, {156, 50}, MOUSE_LEFTSINGLE).row, 17u);
  for (const PIXPOINT gap : {PIXPOINT{44, 50}, PIXPOINT{54, 50}, PIXPOINT{100, 50}, PIXPOINT{157, 50},
                             PIXPOINT{10, 210}}) {
    SCOPED_TRACE(gap.x);
    EXPECT_FALSE(host.mouse(*gauge, gap, MOUSE_LEFTSINGLE).handled);
  }
}

TEST_F(EngineControlsTest, DragsFollowThePressedLeverBeyondTheGauge) {
  host.mouse(*gauge, {60, 100}, MOUSE_LEFTSINGLE);
  EXPECT_EQ(host.mouse(*gauge, {60, -40}, MOUSE_LEFTDRAG).key_events, (std::vector<KeyEvent>{{0x1011C, 16384}}));
  EXPECT_EQ(host.mouse(*gauge, {200, 400}, MOUSE_LEFTDRAG).key_events, (std::vector<KeyEvent>{{0x1011C, 0}}));
  EXPECT_EQ(host.mouse(*gauge, {60, INT_MIN}, MOUSE_LEFTDRAG).key_events, (std::vector<KeyEvent>{{0x1011C, 16384}}));
}

// The handlers scale by the height in the host's size record, read at each
// call; a height that is not positive sends nothing.
TEST_F(EngineControlsTest, LeverValueUsesTheReportedHeight) {
  PIXSIZE& size = background()->image->size;
  size.y = 100;
  EXPECT_EQ(host.mouse(*gauge, {5, 50}, MOUSE_LEFTSINGLE).key_events, (std::vector<KeyEvent>{{0x10183, 8192}}));
  size.y = 0;
  auto outcome = host.mouse(*gauge, {5, 50}, MOUSE_LEFTSINGLE);
  EXPECT_TRUE(outcome.handled);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.key_events.empty());
  size.y = 210;
}

TEST(EngineControlsWithoutHost, RoutinesAndHandlersCallNothing) {
  const auto module = panelhost::ModuleLibrary::open(module_path("quadrant"));
  GAUGEHDR* header = module->gauge_table()[0];
  header->install_routine(0);
  header->update_routine();
  header->kill_routine();
  EXPECT_EQ(reinterpret_cast<ELEMENT_STATIC_IMAGE*>(header->element_list[0])->image, nullptr);
}

TEST_F(EngineControlsTest, MouseTableIsTheNestedTwentyOneRows) {
  const std::span<MOUSERECT> rows = gauge->mouse_rows();
  ASSERT_EQ(rows.size(), 21u);
  struct Group {
    std::size_t row;
    std::int32_t x, width;
    std::uint32_t help;
  };
  const Group groups[] = {{1, 0, 20, 0xA50A},  {4, 55, 22, 0xA509},  {7, 112, 25, 0xA50B},
                          {10, 20, 24, 0xA50A}, {13, 78, 22, 0xA509}, {16, 138, 19, 0xA50B}};
  EXPECT_EQ(rows[0].kind, MOUSE_RECT_PARENT);
  EXPECT_EQ(rows[0].help_id, 0u);
  for (const Group& group : groups) {
    SCOPED_TRACE(group.row);
    const MOUSERECT& parent = rows[group.row];
    const MOUSERECT& child = rows[group.row + 1];
    EXPECT_EQ(parent.kind, MOUSE_RECT_PARENT);
    EXPECT_EQ(parent.box_x, group.x);
    EXPECT_EQ(parent.box_width, group.width);
    EXPECT_EQ(parent.box_height, 210);
    EXPECT_EQ(parent.help_id, group.help);
    EXPECT_EQ(parent.cursor, -1);
    EXPECT_EQ(child.kind, MOUSE_RECT_CHILD);
    EXPECT_EQ(child.box_x, 0);
    EXPECT_EQ(child.box_y, 0);
    EXPECT_EQ(child.box_width, group.width);
    EXPECT_EQ(child.box_height, 210);
    EXPECT_EQ(child.cursor, 5);
    EXPECT_EQ(child.mouse_flags, 0x20800000u);
    EXPECT_EQ(rows[group.row + 2].kind, MOUSE_RECT_END_PARENT);
  }
  EXPECT_EQ(rows[19].kind, MOUSE_RECT_END_PARENT);
  EXPECT_EQ(rows[20].kind, MOUSE_RECT_EOL);
}

}  // namespace
}  // namespace conformance
