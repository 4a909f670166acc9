// Parsing `panelhost eval` steps: in order, exact values, clear errors.
#include <gtest/gtest.h>

#include <bit>

#include "eval_command.h"

namespace {

using panelhost::ClickStep;
using panelhost::parse_eval_steps;
using panelhost::SetStep;
using panelhost::UsageError;

TEST(EvalSteps, KeepTheirOrderAndValues) {
  const auto steps = parse_eval_steps({"--set", "304=0.1", "--update", "--set-int", "307=0xFFFFFFFF", "--click",
                                       "60,20", "--click", "-5,300,0x00800000", "--set", "303=-inf"});
  ASSERT_EQ(steps.size(), 6u);
  const auto& set = std::get<SetStep>(steps[0]);
  EXPECT_EQ(set.id, 304u);
  EXPECT_FALSE(set.value.integer_coded);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(set.value.f64), std::bit_cast<std::uint64_t>(0.1));
  EXPECT_TRUE(std::holds_alternative<panelhost::UpdateStep>(steps[1]));
  const auto& set_int = std::get<SetStep>(steps[2]);
  EXPECT_TRUE(set_int.value.integer_coded);
  EXPECT_EQ(set_int.value.u32, 0xFFFFFFFFu);
  const auto& click = std::get<ClickStep>(steps[3]);
  EXPECT_EQ(click.point.x, 60);
  EXPECT_EQ(click.point.y, 20);
  EXPECT_EQ(click.flags, MOUSE_LEFTSINGLE);
  const auto& drag = std::get<ClickStep>(steps[4]);
  EXPECT_EQ(drag.point.x, -5);
  EXPECT_EQ(drag.flags, MOUSE_LEFTDRAG);
}

TEST(EvalSteps, BadStepsAreNamed) {
  const std::vector<std::vector<std::string>> bad = {
      {"--set"},           {"--set", "304"},      {"--set", "x=1"},         {"--set", "304=abc"},
      {"--set-int", "307=1.5"}, {"--set-int", "307=4294967296"}, {"--click", "1"}, {"--click", "1,2,3,4"},
      {"--click", "a,2"},  {"--frobnicate"},      {"--set", "-1=2"},
  };
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments.front() + (arguments.size() > 1 ? " " + arguments[1] : ""));
    EXPECT_THROW(parse_eval_steps(arguments), UsageError);
  }
}

}  // namespace
