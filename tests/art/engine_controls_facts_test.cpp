// Exact facts of the engine instruments' and controls' pictures: the ammo
// counter's background, strips, windows and overlay; the icon series that
// show lamps lit or dark and switches up or down; and where the ignition
// panels' switches and buttons lie.
#include <gtest/gtest.h>

#include <cmath>

#include "art_support.h"

namespace art_checks {
namespace {

using artgen::Image;
using artgen::Rgb;

bool reddish(Rgb c) { return c.r > 120 && c.r > c.g + 60 && c.r > c.b + 60; }

// --- Ammo counter -------------------------------------------------------------------

TEST(AmmoFacts, BackgroundIsUniformVeryDarkGrey) {
  for (const Rgb& p : vt(0x3E00).image.pixels()) ASSERT_EQ(p, (Rgb{8, 8, 8}));
}

TEST(AmmoFacts, WindowsAreFilledWithWindowColour) {
  for (const int id : {0x3F01, 0x4001, 0x4101})
    for (const Rgb& p : vt(id).image.pixels()) ASSERT_EQ(p, artgen::kWindow) << std::hex << id;
}

TEST(AmmoFacts, StripsAreBlackAboveTheirBarsAndTheBarsLieInTheirColumns) {
  struct Bar {
    int x0, x1;
  };
  struct Strip {
    int id;
    int first_row;  // the bars start here; every row above is black
    std::vector<Bar> bars;
  };
  const Strip strips[] = {
      {0x3F00, 107, {{0, 16}, {103, 119}}},  // outer: columns 1 and 5
      {0x4000, 107, {{0, 17}, {52, 68}}},    // inner: columns 2 and 4
      {0x4100, 108, {{0, 16}}},              // centre: column 3
  };
  for (const Strip& s : strips) {
    SCOPED_TRACE(testing::Message() << "strip " << std::hex << s.id);
    const Image& image = vt(s.id).image;
    auto in_bar = [&](int x) {
      for (const Bar& b : s.bars)
        if (x >= b.x0 && x <= b.x1) return true;
      return false;
    };
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const Rgb c = image.at(x, y);
        if (y < s.first_row || !in_bar(x)) {
          EXPECT_TRUE(is_black(c)) << x << "," << y;
        } else if (y >= s.first_row + 6) {
          // Below the bevelled top, the bar is solid red.
          EXPECT_TRUE(reddish(c)) << x << "," << y;
        }
      }
    // Each bar reaches its top row.
    for (const Bar& b : s.bars) {
      int top = 0;
      for (int x = b.x0; x <= b.x1; ++x) top += is_black(image.at(x, s.first_row)) ? 0 : 1;
      EXPECT_GT(top, 0) << "bar " << b.x0;
    }
  }
}

TEST(AmmoFacts, OverlayHasSevenBlackWindowsInEachColumnAndIsSolidElsewhere) {
  struct Column {
    int x0, x1;
  };
  const Column columns[] = {{6, 19}, {32, 45}, {57, 71}, {83, 96}, {108, 122}};
  const Image& overlay = vt(0x4200).image;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      bool window_area = false;
      for (const Column& c : columns) window_area |= x >= c.x0 && x <= c.x1 && y >= 23 && y <= 124;
      if (!window_area) { EXPECT_FALSE(is_black(overlay.at(x, y))) << x << "," << y; }
    }
  for (const Column& c : columns) {
    SCOPED_TRACE(testing::Message() << "column at x " << c.x0);
    const int mid = (c.x0 + c.x1) / 2;
    int runs = 0;
    int first = -1;
    int last = -1;
    for (int y = 0; y < 128; ++y) {
      const bool black = is_black(overlay.at(mid, y));
      if (black && (y == 0 || !is_black(overlay.at(mid, y - 1)))) ++runs;
      if (black) {
        if (first < 0) first = y;
        last = y;
      }
    }
    EXPECT_EQ(runs, 7);
    EXPECT_EQ(first, 23);
    EXPECT_EQ(last, 124);
    // Each window spans its column's width.
    for (int x = c.x0; x <= c.x1; ++x) EXPECT_TRUE(is_black(overlay.at(x, 24))) << x;
    // And a lamp glass sits above the column.
    EXPECT_FALSE(is_black(overlay.at(mid, 12)));
  }
}

// --- Lamps and switches ----------------------------------------------------------------

struct Stats {
  double luma;
  double r, g, b;
};

Stats mean_visible(const Image& image) {
  Stats s{0, 0, 0, 0};
  int n = 0;
  for (const Rgb& p : image.pixels()) {
    if (is_black(p)) continue;
    s.luma += luma(p);
    s.r += p.r;
    s.g += p.g;
    s.b += p.b;
    ++n;
  }
  if (n > 0) s = Stats{s.luma / n, s.r / n, s.g / n, s.b / n};
  return s;
}

TEST(ControlFacts, LitLampsAreBrightAndColouredDarkOnesAreNot) {
  struct Case {
    int dark, lit;
    char colour;  // 'r' or 'g'
  };
  const Case cases[] = {
      {0x5C00, 0x5C01, 'r'},  // autopilot
      {0x6200, 0x6201, 'r'},  // fuel warning, left
      {0x6400, 0x6401, 'r'},  // fuel warning, right
      {0x6600, 0x6601, 'r'},  // bombing, red
      {0x6800, 0x6801, 'g'},  // bombing, green
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.dark << "/" << c.lit);
    const Stats dark = mean_visible(vt(c.dark).image);
    const Stats lit = mean_visible(vt(c.lit).image);
    EXPECT_GT(lit.luma, dark.luma + 25.0);
    if (c.colour == 'r') { EXPECT_GT(lit.r, lit.g + 40.0); }
    if (c.colour == 'g') { EXPECT_GT(lit.g, lit.r + 40.0); }
  }
}

// The brightest part of a toggle switch picture is its lever's ball end:
// above the middle when the lever is up, below it when down.
double lever_end_row(const Image& image, int x0, int x1) {
  int best = -1;
  double sum = 0.0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = x0; x <= x1; ++x) best = std::max(best, luma(image.at(x, y)));
  for (int y = 0; y < image.height(); ++y)
    for (int x = x0; x <= x1; ++x)
      if (luma(image.at(x, y)) >= best - 25) {
        sum += y;
        ++n;
      }
  return sum / n;
}

TEST(ControlFacts, TogglePicturesShowTheLeverDownThenUp) {
  for (const int base : {0x5D00, 0x5E00, 0x5F00, 0x6000, 0x6700}) {
    SCOPED_TRACE(testing::Message() << std::hex << base);
    EXPECT_GT(lever_end_row(vt(base).image, 0, 63), 32.0);
    EXPECT_LT(lever_end_row(vt(base + 1).image, 0, 63), 32.0);
  }
}

TEST(ControlFacts, IgnitionPicturesShowEachSwitchInItsStateWithinItsArea) {
  struct Case {
    int id;
    bool first_up, second_up;
  };
  const Case cases[] = {{0x5800, false, false}, {0x5801, true, false}, {0x5802, false, true}, {0x5803, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.id);
    const Image& image = vt(c.id).image;
    EXPECT_EQ(lever_end_row(image, 0, 63) < 32.0, c.first_up);
    EXPECT_EQ(lever_end_row(image, 70, 133) < 32.0, c.second_up);
    // Nothing is drawn between or beyond the three click areas.
    for (int y = 0; y < 64; ++y)
      for (const int x : {64, 65, 66, 67, 68, 69, 134, 135, 136, 137, 138, 139, 204, 205, 206, 207})
        EXPECT_TRUE(is_black(image.at(x, y))) << x << "," << y;
    // The starter button is red.
    int red = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 140; x <= 203; ++x) red += reddish(image.at(x, y)) ? 1 : 0;
    EXPECT_GT(red, 100);
  }
}

TEST(ControlFacts, BatteryHandlePointsToItsMarkAndTheLampLightsGreenWhenOn) {
  const Image& off = vt(0x1700).image;
  const Image& on = vt(0x1701).image;
  EXPECT_NE(off, on);
  const Stats off_stats = mean_visible(off);
  const Stats on_stats = mean_visible(on);
  EXPECT_GT(on_stats.g - on_stats.r, off_stats.g - off_stats.r);
}

TEST(ControlFacts, BombingPanelHasRedButtonsInTheirSquares) {
  const Image& panel = vt(0x6500).image;
  for (const auto& [x0, y0] : {std::pair{80, 48}, {80, 128}}) {
    int red = 0;
    for (int y = y0; y < y0 + 64; ++y)
      for (int x = x0; x < x0 + 64; ++x) red += reddish(panel.at(x, y)) ? 1 : 0;
    EXPECT_GT(red, 300) << x0 << "," << y0;
  }
}

TEST(ControlFacts, EjectionHandleIsYellowWithARedRimAndSolidWhereItIsClicked) {
  const Image& handle = vt(0x6900).image;
  for (int y = 11; y <= 28; ++y)
    for (int x = 77; x <= 176; ++x) EXPECT_FALSE(is_black(handle.at(x, y))) << x << "," << y;
  int yellow = 0;
  int red = 0;
  for (const Rgb& p : handle.pixels()) {
    yellow += (p.r > 180 && p.g > 150 && p.b < 100) ? 1 : 0;
    red += reddish(p) ? 1 : 0;
  }
  EXPECT_GT(yellow, 2000);
  EXPECT_GT(red, 300);
}

TEST(ControlFacts, ConsoleButtonsAreSolidGrey) {
  for (const int id : {0x5400, 0x5500, 0x5600}) {
    const Image& button = vt(id).image;
    for (int y = 2; y <= 16; ++y)
      for (int x = 2; x <= 16; ++x) EXPECT_FALSE(is_black(button.at(x, y))) << std::hex << id << " " << x << "," << y;
  }
}

}  // namespace
}  // namespace art_checks
