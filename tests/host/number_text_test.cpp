// The reports' numbers read back exactly.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "number_text.h"

namespace {

using panelhost::double_text;
using panelhost::parse_double;
using panelhost::parse_u32;

TEST(NumberText, DoublesRoundTripBitForBit) {
  const double values[] = {0.0, -0.0, 132.5, 0.1, 1.0 / 3.0, -0.0099, 264.001,
                           std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::lowest(), 16305.0};
  for (const double value : values) {
    SCOPED_TRACE(value);
    const auto back = parse_double(double_text(value));
    ASSERT_TRUE(back);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(value));
  }
}

TEST(NumberText, NonFiniteValuesAreWords) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(double_text(std::nan("")), "nan");
  EXPECT_EQ(double_text(kInf), "inf");
  EXPECT_EQ(double_text(-kInf), "-inf");
  EXPECT_TRUE(std::isnan(*parse_double("nan")));
  EXPECT_EQ(*parse_double("inf"), kInf);
  EXPECT_EQ(*parse_double("-inf"), -kInf);
  EXPECT_EQ(panelhost::double_json(kInf), "inf");
  EXPECT_EQ(panelhost::double_json(2.5), 2.5);
}

TEST(NumberText, RejectsWhatIsNotANumber) {
  for (const char* text : {"", "abc", "1.5x", "1,5", " 1"}) EXPECT_FALSE(parse_double(text)) << text;
}

struct U32Case {
  const char* text;
  std::optional<std::uint32_t> value;
};

TEST(NumberText, ThirtyTwoBitNumbers) {
  const U32Case cases[] = {
      {"0", 0u},          {"307", 307u},       {"0x133", 0x133u},          {"0XFFFFFFFF", 0xFFFFFFFFu},
      {"4294967295", 0xFFFFFFFFu}, {"4294967296", std::nullopt}, {"-1", 0xFFFFFFFFu},
      {"-2147483648", 0x80000000u}, {"-2147483649", std::nullopt}, {"", std::nullopt}, {"0x", std::nullopt},
      {"12a", std::nullopt}, {"1.0", std::nullopt},
  };
  for (const U32Case& c : cases) EXPECT_EQ(parse_u32(c.text), c.value) << c.text;
}

}  // namespace
