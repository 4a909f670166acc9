// Scenario files: what they hold, the errors their authors meet, and a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "module_files.h"
#include "player.h"
#include "scenario.h"

namespace panelhost::scenario {
namespace {


TEST(Scenario, ReadsEveryKindOfEvent) {
  const Scenario scenario = parse_scenario(R"({
    "name": "hop", "rate": 10, "frames": [0.5],
    "events": [
      {"at": 0, "set": 304, "value": 250},
      {"at": 0, "set": 307, "value": 2},
      {"at": 0, "set": 364, "int": 1},
      {"at": 0, "set": 61, "value": "-inf"},
      {"from": 0.5, "to": 2, "ramp": 61, "start": 0, "end": 486},
      {"at": 1, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 20, "y": 60, "flags": ["left", "drag"]},
      {"at": 1, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 20, "y": 60, "flags": 2147483648},
      {"at": 1.5, "drag": "quadrant!Engine Controls", "from": [10, 200], "to": [10, 0], "seconds": 0.5},
      {"at": 3, "toggle_window": 50},
      {"at": 3, "key": "0x101A5", "value": 7}
    ]})",
                                           "s.json");
  EXPECT_EQ(scenario.name, "hop");
  EXPECT_EQ(scenario.rate, 10.0);
  EXPECT_EQ(scenario.duration, 4.0);  // a second after the last event
  EXPECT_EQ(scenario.updates(), 41u);
  ASSERT_EQ(scenario.events.size(), 10u);
  const auto& fuel = std::get<SetAction>(scenario.events[0].action);
  EXPECT_EQ(fuel.variable, 304u);
  EXPECT_EQ(fuel.value, (HostValue{false, 250.0, 0}));
  // 307 is integer-coded by the simulator: its value becomes an integer.
  EXPECT_EQ(std::get<SetAction>(scenario.events[1].action).value, (HostValue{true, 0.0, 2}));
  EXPECT_EQ(std::get<SetAction>(scenario.events[2].action).value, (HostValue{true, 0.0, 1}));
  EXPECT_EQ(std::get<SetAction>(scenario.events[3].action).value.f64, -std::numeric_limits<double>::infinity());
  const auto& ramp = std::get<RampAction>(scenario.events[4].action);
  EXPECT_EQ(scenario.events[4].at, 0.5);
  EXPECT_EQ(ramp.until, 2.0);
  EXPECT_EQ(ramp.end, 486.0);
  EXPECT_EQ(std::get<ClickAction>(scenario.events[5].action).flags, MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG);
  EXPECT_EQ(std::get<ClickAction>(scenario.events[6].action).flags, MOUSE_RIGHTSINGLE);
  const auto& drag = std::get<DragAction>(scenario.events[7].action);
  EXPECT_EQ(drag.to.y, 0);
  EXPECT_EQ(drag.seconds, 0.5);
  EXPECT_EQ(std::get<WindowAction>(scenario.events[8].action).window, 50u);
  EXPECT_EQ(std::get<KeyAction>(scenario.events[9].action).event, 0x101A5u);
  EXPECT_EQ(std::get<KeyAction>(scenario.events[9].action).value, 7u);
}

TEST(Scenario, ErrorsNameTheJsonPathAndTheProblem) {
  const struct {
    const char* json;
    const char* message;
  } cases[] = {
      {R"({"events": [)", "s.json: not valid JSON: parse error at line 1, column 13"},
      {R"([])", "s.json: $: a scenario is a JSON object"},
      {R"({})", "s.json: $: \"events\" is missing"},
      {R"({"events": [], "speed": 2})", "s.json: $.speed: unknown key"},
      {R"({"events": [{"at": 0, "set": 999, "value": 1}]})", "s.json: $.events[0].set: unknown host variable 999 (0x3e7)"},
      {R"({"events": [{"at": 0, "set": 304}]})", "s.json: $.events[0]: give the new value as \"value\" or as \"int\""},
      {R"({"events": [{"at": 0, "set": 304, "value": "lots"}]})", "s.json: $.events[0].value: expected a number"},
      {R"({"events": [{"at": 0, "set": 307, "value": 2.5}]})",
       "s.json: $.events[0].value: host variable 307 is integer-coded: expected a whole number, found 2.5"},
      {R"({"events": [{"at": 0, "set": 304, "int": -1}]})", "s.json: $.events[0].int: expected a whole number"},
      {R"({"events": [{"at": -1, "set": 304, "value": 1}]})", "s.json: $.events[0].at: a time of -1 s is before the start"},
      {R"({"events": [{"at": 2, "set": 304, "value": 1}, {"at": 1, "set": 304, "value": 2}]})",
       "s.json: $.events[1]: starts at 1 s, before the event before it (2 s): events must be in time order"},
      {R"({"events": [{"from": 2, "to": 1, "ramp": 61, "start": 0, "end": 1}]})",
       "s.json: $.events[0].to: a ramp must end at or after its start"},
      {R"({"events": [{"from": 0, "to": 1, "ramp": 307, "start": 0, "end": 3}]})",
       "s.json: $.events[0].ramp: host variable 307 is integer-coded and cannot be ramped"},
      {R"({"events": [{"from": 0, "to": 1, "ramp": 61, "start": 0, "end": "nan"}]})",
       "s.json: $.events[0].end: must be a finite number"},
      {R"({"events": [{"at": 0, "click": "Fuel", "x": 1, "y": 1}]})",
       "s.json: $.events[0].click: expected \"MODULE!GAUGE NAME\", found \"Fuel\""},
      {R"({"events": [{"at": 0, "click": "a!b", "x": 1.5, "y": 1}]})", "s.json: $.events[0].x: expected a whole number"},
      {R"({"events": [{"at": 0, "click": "a!b", "x": 1, "y": 1, "flags": ["middle"]}]})",
       "s.json: $.events[0].flags[0]: unknown mouse event \"middle\""},
      {R"({"events": [{"at": 0, "drag": "a!b", "from": [1], "to": [1, 2]}]})", "s.json: $.events[0].from: expected a point"},
      {R"({"events": [{"at": 0, "jump": 1}]})", "s.json: $.events[0]: unknown event"},
      {R"({"events": [{"at": 0, "set": 304, "value": 1, "unit": "kg"}]})", "s.json: $.events[0].unit: unknown key"},
      {R"({"events": [{"at": 5, "set": 304, "value": 1}], "duration": 2})",
       "s.json: $.duration: 2 s ends before the last event (5 s)"},
      {R"({"events": [], "frames": [3]})", "s.json: $.frames[0]: 3 s is after the end (1 s)"},
      {R"({"events": [], "rate": 0})", "s.json: $.rate: updates per second must lie in (0, 1000]"},
      {R"({"events": [], "name": "../x"})", "s.json: $.name: must be a plain file name"},
      {R"({"events": [], "missing_gauges": "ignore"})", "s.json: $.missing_gauges: expected \"error\" or \"skip\""},
  };
  for (const auto& c : cases) {
    try {
      parse_scenario(c.json, "s.json");
      ADD_FAILURE() << "no error for " << c.json;
    } catch (const ScenarioError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(c.message))
          << "expected: " << c.message << "\n     got: " << error.what();
    }
  }
}

TEST(Scenario, TheBuiltInSortieIsAValidScenario) {
  const Scenario sortie = default_scenario();
  EXPECT_EQ(sortie.name, "sortie");
  EXPECT_TRUE(sortie.skip_missing_gauges);
  EXPECT_GT(sortie.events.size(), 50u);
  EXPECT_FALSE(sortie.frames.empty());
}

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out = std::filesystem::temp_directory_path() /
          ("panelhost_play_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(out);
  }
  void TearDown() override { std::filesystem::remove_all(out); }

  PlayReport run(const std::string& json, bool animation = true) {
    options.modules_dir = test_support::program_dir();
    options.out_dir = out;
    options.animation = animation;
    return play(parse_scenario(json, "s.json"), options);
  }

  std::string read(const std::string& name) const {
    std::ifstream in(out / name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path out;
  PlayOptions options;
};

TEST_F(PlayTest, WritesFramesAnimationAndLog) {
  const PlayReport report = run(R"({
    "name": "hop", "rate": 10, "duration": 1, "frames": [0, 0.5],
    "events": [
      {"at": 0, "set": 307, "value": 1},
      {"at": 0.2, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 100, "y": 60},
      {"at": 0.3, "drag": "quadrant!Engine Controls", "from": [10, 209], "to": [10, 0], "seconds": 0.2},
      {"from": 0.3, "to": 0.8, "ramp": 304, "start": 0, "end": 264}
    ]})");
  EXPECT_EQ(report.updates, 11u);
  EXPECT_EQ(report.written.size(), 4u);
  for (const char* name : {"hop_00000.png", "hop_00005.png", "hop.gif", "hop.log"})
    EXPECT_TRUE(std::filesystem::is_regular_file(out / name)) << name;
  const std::string log = read("hop.log");
  for (const char* line : {"    0.200  click Velmar_Tavrin!Fuel Tank Switch at (100, 60) [left]: mouse row 3",
                           "    0.200    key 0x101a6 (65958) value 0: fuel tank selection: right tank (307 = 3)",
                           "    0.200    307 (fuel tank selection) = 3 (int)",
                           "    0.300  press quadrant!Engine Controls at (10, 209)",
                           "    0.500    129 (engine 0 lever, first pair) = 16384",
                           "    0.800  ramp 304 (fuel left tank) ends at 264"})
    EXPECT_NE(log.find(line), std::string::npos) << "missing: " << line << "\nlog:\n" << log;
}

TEST_F(PlayTest, EventsThatDoNotFitThePanelAreErrorsBeforeAnythingIsWritten) {
  const struct {
    const char* json;
    const char* message;
  } cases[] = {
      {R"({"events": [{"at": 0, "click": "Velmar_Tavrin!Nothing", "x": 1, "y": 1}]})",
       "s.json: $.events[0].click: gauge Velmar_Tavrin!Nothing is not on the panel (default layout)"},
      {R"({"events": [{"at": 0, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 128, "y": 1}]})",
       "s.json: $.events[0]: point (128, 1) is off the gauge Velmar_Tavrin!Fuel Tank Switch (128x128: x 0 to 127, y 0 "
       "to 127)"},
      {R"({"events": [{"at": 0, "drag": "quadrant!Engine Controls", "from": [1, 1], "to": [1, -1]}]})",
       "s.json: $.events[0].to: point (1, -1) is off the gauge quadrant!Engine Controls"},
      {R"({"layout": "/nonexistent/p.cfg", "events": []})", "/nonexistent/p.cfg: cannot read the layout file"},
  };
  for (const auto& c : cases) {
    try {
      run(c.json);
      ADD_FAILURE() << "no error for " << c.json;
    } catch (const std::exception& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(c.message))
          << "expected: " << c.message << "\n     got: " << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(out)) << c.json;
  }
}

TEST_F(PlayTest, SkippedGaugesAreLoggedWhenTheScenarioAllowsIt) {
  const PlayReport report = run(R"({"missing_gauges": "skip", "rate": 4,
    "events": [{"at": 0, "click": "Velmar_Tavrin!Nothing", "x": 1, "y": 1}]})",
                                false);
  EXPECT_EQ(report.skipped_events, 1u);
  EXPECT_NE(read("scenario.log").find("$.events[0]: skipped, Velmar_Tavrin!Nothing is not on the panel"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out / "scenario.gif"));
}

}  // namespace
}  // namespace panelhost::scenario
