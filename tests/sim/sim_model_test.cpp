// The simulator model: what each key event does to the host variables.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim_model.h"
#include "variable_catalogue.h"

namespace panelhost::sim {
namespace {

class SimModelTest : public ::testing::Test {
 protected:
  void send(std::uint32_t event, std::uint32_t value = 0) { host.services().trigger_key_event(event, value); }
  HostValue get(std::uint32_t id) { return host.variables().get(id); }
  double number(std::uint32_t id) { return host.variables().get(id).f64; }

  PanelHost host;
  SimModel model{host};
};

TEST_F(SimModelTest, TankSelectionEventsSetTheIntegerCodedSelection) {
  const struct {
    std::uint32_t event;
    std::uint32_t selection;
  } cases[] = {{0x101A5, 2}, {0x101A3, 0}, {0x101A6, 3}, {0x101A4, 1}, {0x101A4, 1}};
  for (const auto& c : cases) {
    send(c.event);
    EXPECT_EQ(get(307), (HostValue{true, 0.0, c.selection})) << std::hex << c.event;
  }
}

TEST_F(SimModelTest, LeverEventsSetTheirVariableToTheValueSent) {
  const struct {
    std::uint32_t event;
    std::uint32_t variable;
  } levers[] = {{0x10183, 129}, {0x10184, 164}, {0x1011C, 128}, {0x1011D, 163}, {0x1017F, 130}, {0x10180, 165}};
  std::uint32_t value = 100;
  for (const auto& lever : levers) {
    send(lever.event, value);
    EXPECT_EQ(number(lever.variable), static_cast<double>(value)) << lever.variable;
    value += 3000;
  }
  send(0x10183, 16384);
  EXPECT_EQ(number(129), 16384.0);
  EXPECT_EQ(number(164), 3100.0);  // the others keep theirs
}

TEST_F(SimModelTest, BatteryEventToggles) {
  const struct {
    double before;
    double after;
  } cases[] = {{0.0, 1.0}, {1.0, 0.0}, {0.5, 1.0}, {2.0, 1.0}, {std::nan(""), 0.0}};  // NaN reads as on
  for (const auto& c : cases) {
    host.variables().set_f64(364, c.before);
    send(0x102C1);
    EXPECT_EQ(number(364), c.after) << c.before;
  }
}

TEST_F(SimModelTest, AutopilotEventsToggleTheirSwitch) {
  const struct {
    std::uint32_t event;
    std::uint32_t variable;
  } switches[] = {{0x1002C, 103}, {0x100BF, 104}, {0x100BD, 106}, {0x100BE, 108}};
  for (const auto& s : switches) {
    send(s.event);
    EXPECT_EQ(number(s.variable), 1.0);
    send(s.event);
    EXPECT_EQ(number(s.variable), 0.0);
  }
}

// The ignition panel's own transition table, state = first switch (bit 0)
// + second switch (bit 1): each click's event, answered by the model, must
// leave the host variables in the state the panel moved to.
TEST_F(SimModelTest, IgnitionEventsFollowThePanelsTransitionTables) {
  struct Engine {
    std::uint32_t first_var, second_var;
    std::uint32_t first_events[4];   // by state before, first switch clicked
    std::uint32_t second_events[4];  // second switch clicked
  };
  const Engine engines[] = {
      {399, 400, {0x10189, 0x10187, 0x1018A, 0x10189}, {0x10188, 0x1018A, 0x10187, 0x10188}},
      {438, 439, {0x1018F, 0x1018D, 0x10190, 0x1018F}, {0x1018E, 0x10190, 0x1018D, 0x1018E}},
  };
  for (const Engine& engine : engines) {
    for (std::uint32_t state = 0; state < 4; ++state) {
      for (const bool first : {true, false}) {
        host.variables().set_f64(engine.first_var, (state & 1) ? 1.0 : 0.0);
        host.variables().set_f64(engine.second_var, (state & 2) ? 1.0 : 0.0);
        send(first ? engine.first_events[state] : engine.second_events[state]);
        const std::uint32_t expected = state ^ (first ? 1u : 2u);
        EXPECT_EQ(number(engine.first_var), (expected & 1) ? 1.0 : 0.0) << engine.first_var << " from " << state;
        EXPECT_EQ(number(engine.second_var), (expected & 2) ? 1.0 : 0.0) << engine.first_var << " from " << state;
      }
    }
  }
}

TEST_F(SimModelTest, StarterCatchesOnlyWithIgnition) {
  send(0x1018B);
  EXPECT_EQ(number(390), 0.0);
  EXPECT_EQ(model.notes().back().text, "engine 0 starter: cranking without ignition");
  host.variables().set_f64(399, 1.0);
  send(0x1018B);
  EXPECT_EQ(number(390), kIdleRpm);
  host.variables().set_f64(429, 2000.0);
  host.variables().set_f64(439, 1.0);
  send(0x10191);
  EXPECT_EQ(number(429), 2000.0);  // already running
}

TEST_F(SimModelTest, BombBayDoorsTravelAndBombsRunOut) {
  send(0x10035);
  EXPECT_EQ(number(326), 0.0);  // doors move with time, not at once
  model.advance(kBombBaySeconds / 4);
  EXPECT_DOUBLE_EQ(number(326), kBombBayOpen / 4);
  model.advance(kBombBaySeconds);
  EXPECT_EQ(number(326), kBombBayOpen);  // exactly full open, as the release buttons need
  for (int i = 0; i < kBombLoad; ++i) send(0x1026F);
  EXPECT_EQ(model.bombs_left(), 0);
  send(0x1026F);
  EXPECT_EQ(model.notes().back().text, "bomb release: no bombs left");
  send(0x10035);  // closing; reversing half-way works too
  model.advance(kBombBaySeconds / 2);
  EXPECT_DOUBLE_EQ(number(326), kBombBayOpen / 2);
  send(0x10035);
  model.advance(kBombBaySeconds);
  EXPECT_EQ(number(326), kBombBayOpen);
}

TEST_F(SimModelTest, EjectionShutsDownAndEmptiesTheCockpit) {
  host.variables().set_f64(364, 1.0);
  host.variables().set_f64(399, 1.0);
  host.variables().set_f64(439, 1.0);
  send(0x1029B);
  EXPECT_TRUE(model.ejected());
  EXPECT_EQ(number(364), 0.0);
  EXPECT_EQ(number(399), 0.0);
  EXPECT_EQ(number(439), 0.0);
  send(0x101A5);
  EXPECT_FALSE(host.variables().is_set(307));
  EXPECT_EQ(model.notes().back().text, "ignored: the pilot has ejected");
}

TEST_F(SimModelTest, EveryEventLeavesANoteAndUnknownOnesChangeNothing) {
  const auto before = host.variables().all();
  send(0x12345, 7);
  EXPECT_EQ(host.variables().all(), before);
  ASSERT_EQ(model.notes().size(), 1u);
  EXPECT_EQ(model.notes()[0].event, (KeyEvent{0x12345, 7}));
  EXPECT_EQ(model.notes()[0].text, "not answered by the model");
}

TEST(SimModelLifetime, AModelGoneBeforeItsHostStopsAnswering) {
  PanelHost host;
  { SimModel model(host); }
  host.services().trigger_key_event(0x101A5, 0);
  EXPECT_FALSE(host.variables().is_set(307));
}

TEST(VariableCatalogue, KnowsEveryVariableTheGaugesReadAndOnlyTheSelectionIsIntegerCoded) {
  for (const std::uint32_t id : {3u, 4u, 61u, 65u, 69u, 70u, 73u, 78u, 80u, 83u, 84u, 103u, 104u, 106u, 108u, 128u,
                                 129u, 130u, 163u, 164u, 165u, 303u, 304u, 307u, 326u, 357u, 358u, 364u, 376u, 390u,
                                 391u, 399u, 400u, 416u, 417u, 418u, 425u, 429u, 430u, 438u, 439u, 455u, 456u, 457u,
                                 464u}) {
    const auto info = find_variable(id);
    ASSERT_TRUE(info) << id;
    EXPECT_EQ(info->integer_coded, id == 307) << id;
  }
  EXPECT_FALSE(find_variable(0));
  EXPECT_FALSE(find_variable(305));
}

}  // namespace
}  // namespace panelhost::sim
