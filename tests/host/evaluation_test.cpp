// How the host evaluates a gauge on each update: elements in drawing order,
// each axis's variable refreshed before its callback is called with the
// element, and the variable's own value where an axis has no callback.
#include <gtest/gtest.h>

#include <filesystem>

#include "module_files.h"
#include "panel_host.h"

namespace {

struct Expected {
  std::size_t element;
  std::size_t axis;
  double value;
};

TEST(Evaluation, FollowsTheDrawingOrderAndRefreshesBeforeEachCallback) {
  panelhost::PanelHost host;
  panelhost::GaugeInstance& gauge = host.install(host.load(test_support::module_path("evaluation_fixture")), "Evaluation");
  // Drawing order: root, needle, icon (the needle's child), moving image, sprite, slider.
  const ELEMENT_KIND kinds[] = {ELEMENT_KIND_STATIC_IMAGE, ELEMENT_KIND_NEEDLE, ELEMENT_KIND_ICON,
                                ELEMENT_KIND_MOVING_IMAGE, ELEMENT_KIND_SPRITE, ELEMENT_KIND_SLIDER};
  ASSERT_EQ(gauge.elements().size(), std::size(kinds));
  for (std::size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(gauge.elements()[i].element->kind, kinds[i]);

  host.variables().set_f64(10, 0.5);
  host.variables().set_f64(11, 0.25);
  host.variables().set_f64(12, 7.5);
  host.variables().set_f64(13, 0.125);
  host.variables().set_f64(15, 0.75);
  host.variables().set_u32(14, 7);
  host.update(gauge);
  // Callbacks numbered in the order they ran, each plus what it saw.
  const Expected first[] = {
      {1, 0, 1000.5},   // needle: variable 10 refreshed before its callback
      {2, 0, 2000.0},   // icon, token 0: exactly what its callback returns
      {3, 0, 3000.25},  // moving image x
      {3, 1, 7.5},      // moving image y: no callback, the variable unchanged
      {4, 0, 4000.125}, // sprite x, y, rotation in turn; y has token 0
      {4, 1, 5000.0},
      {4, 2, 6000.75},
      {5, 0, 0.0},      // slider x: token 0, no callback
      {5, 1, 7.0},      // slider y: an integer-coded variable, as its number
  };
  for (const Expected& e : first) {
    SCOPED_TRACE(testing::Message() << "element " << e.element << " axis " << e.axis);
    EXPECT_EQ(gauge.values()[e.element].value[e.axis], e.value);
  }
  // The host keeps the value in the element record too.
  EXPECT_EQ(reinterpret_cast<ELEMENT_NEEDLE*>(gauge.elements()[1].element)->host_value, 1000.5);

  host.variables().set_f64(10, 0.0625);
  host.update(gauge);
  EXPECT_EQ(gauge.values()[1].value[0], 7000.0625);
  EXPECT_EQ(gauge.values()[4].value[2], 12000.75);
  EXPECT_EQ(gauge.updates(), 2u);
}

}  // namespace

namespace {

// A long run keeps the record of service calls bounded, newest last.
TEST(Evaluation, ServiceCallRecordStaysBounded) {
  panelhost::PanelHost host;
  panelhost::GaugeInstance& gauge = host.install(host.load(test_support::module_path("evaluation_fixture")), "Evaluation");
  for (int i = 0; i < 5000; ++i) host.update(gauge);
  EXPECT_GE(host.service_calls().size(), panelhost::PanelHost::kServiceCallsKept);
  EXPECT_LE(host.service_calls().size(), 2 * panelhost::PanelHost::kServiceCallsKept);
  EXPECT_EQ(host.service_calls().back().service, "element_list_update");
  EXPECT_EQ(gauge.updates(), 5000u);
}

}  // namespace
