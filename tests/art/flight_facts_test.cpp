// Exact facts of the flight instruments' pictures that the host relies on:
// the horizon's window, texture and symbol; the altimeters' counter, notch,
// triangles and gaps; the turn ball and its tube; the compass card, its
// window and the rose.
#include <gtest/gtest.h>

#include <cmath>

#include "art_support.h"

namespace art_checks {
namespace {

using artgen::Image;
using artgen::Rgb;

constexpr double kPi = 3.14159265358979323846;

struct Box {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "x " << b.x0 << ".." << b.x1 << ", y " << b.y0 << ".." << b.y1;
}

Box visible_box(const Image& image) {
  Box b;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!is_black(image.at(x, y))) {
        b.x0 = std::min(b.x0, x);
        b.y0 = std::min(b.y0, y);
        b.x1 = std::max(b.x1, x);
        b.y1 = std::max(b.y1, y);
      }
  return b;
}

// A 128x128 picture that is a disc about its centre: transparent black beyond
// `clear_beyond` from (64.5, 64.5), drawn within `drawn_within`.
void expect_centred_disc(const Image& image, double drawn_within, double clear_beyond) {
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double d = std::hypot(x + 0.5 - 64.5, y + 0.5 - 64.5);
      if (d > clear_beyond) { EXPECT_TRUE(is_black(image.at(x, y))) << x << "," << y; }
      if (d < drawn_within) { EXPECT_FALSE(is_black(image.at(x, y))) << x << "," << y; }
    }
}

bool yellowish(Rgb c) { return c.r > 180 && c.g > 150 && c.b < 160 && c.r > c.b + 60; }
bool skyish(Rgb c) { return c.b > c.r + 40 && c.b >= c.g; }

// --- Artificial horizon ----------------------------------------------------------

TEST(HorizonFacts, WindowIsADomeOf3609WindowPixelsOnBlack) {
  const Image& window = vt(0x1D01).image;
  int inside = 0;
  for (const Rgb& p : window.pixels()) {
    EXPECT_TRUE(p == artgen::kWindow || p == artgen::kTransparent);
    inside += p == artgen::kWindow ? 1 : 0;
  }
  EXPECT_EQ(inside, 3609);
  EXPECT_EQ(visible_box(window), (Box{32, 33, 96, 95}));
  // Flat bottom, full width up to the middle; a rounded top, narrow at row 33.
  for (int x = 32; x <= 96; ++x) EXPECT_EQ(window.at(x, 95), artgen::kWindow) << x;
  for (int x = 32; x <= 96; ++x) EXPECT_EQ(window.at(x, 66), artgen::kWindow) << x;
  int top_row = 0;
  for (int x = 0; x < 128; ++x) top_row += window.at(x, 33) == artgen::kWindow ? 1 : 0;
  EXPECT_GT(top_row, 0);
  EXPECT_LT(top_row, 20);
  EXPECT_EQ(window.at(32, 40), artgen::kTransparent);
  EXPECT_EQ(window.at(96, 40), artgen::kTransparent);
}

TEST(HorizonFacts, BezelOpeningIsExactlyTheWindowsDome) {
  const Image& window = vt(0x1D01).image;
  const Image& bezel = vt(0x1C00).image;
  const Rgb opening = bezel.at(64, 80);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x)
      EXPECT_EQ(bezel.at(x, y) == opening, window.at(x, y) == artgen::kWindow) << x << "," << y;
}

TEST(HorizonFacts, TextureHasSkyHorizonGroundAndLadderInTheirRowsAndColumns) {
  const Image& t = vt(0x1D00).image;
  struct Ladder {
    int row, x0, x1;
  };
  const Ladder ladder[] = {{7, 56, 72},  {15, 48, 79}, {23, 56, 72}, {31, 48, 79},
                           {39, 56, 72}, {47, 48, 79}, {55, 56, 72}};
  auto ladder_at = [&](int x, int y) {
    for (const Ladder& l : ladder)
      if (l.row == y && x >= l.x0 && x <= l.x1) return true;
    return false;
  };
  for (int y = 0; y <= 62; ++y)
    for (int x = 0; x < 128; ++x) {
      if (ladder_at(x, y)) {
        EXPECT_TRUE(yellowish(t.at(x, y))) << "ladder " << x << "," << y;
      } else {
        EXPECT_TRUE(skyish(t.at(x, y))) << "sky " << x << "," << y;
      }
    }
  // The sky grows lighter towards the horizon.
  for (int y = 1; y <= 62; ++y) EXPECT_GE(luma(t.at(0, y)), luma(t.at(0, y - 1))) << y;
  EXPECT_GT(luma(t.at(0, 62)), luma(t.at(0, 0)) + 60);
  for (int x = 0; x < 128; ++x) EXPECT_GT(luma(t.at(x, 63)), 200) << "horizon line " << x;
  for (int y = 64; y < 128; ++y) {
    EXPECT_TRUE(yellowish(t.at(64, y))) << "centre line row " << y;
    for (int x = 0; x < 128; ++x) {
      const Rgb c = t.at(x, y);
      const bool grey = std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12 && luma(c) < 100;
      EXPECT_TRUE(grey || c.r > c.b) << "ground " << x << "," << y;  // grey, or yellow-tinted lines
      EXPECT_FALSE(is_black(c));
    }
  }
  // Perspective lines fan out: some line pixels away from the centre column
  // in the lowest row, on both sides.
  int left = 0;
  int right = 0;
  for (int x = 0; x < 128; ++x)
    if (x != 64 && yellowish(t.at(x, 127))) (x < 64 ? left : right)++;
  EXPECT_GT(left, 0);
  EXPECT_GT(right, 0);
}

TEST(HorizonFacts, AircraftSymbolIsWhiteWithinItsWings) {
  const Image& s = vt(0x1E00).image;
  EXPECT_EQ(visible_box(s), (Box{44, 60, 84, 67}));
  EXPECT_GT(luma(s.at(50, 63)), 220);
  EXPECT_GT(luma(s.at(78, 63)), 220);
  EXPECT_GT(luma(s.at(64, 62)), 220);
}

// --- Altimeters ---------------------------------------------------------------------

TEST(AltimeterFacts, CounterStripHoldsZeroToThirtyAtA19PixelPitch) {
  const Image& strip = vt(0x3500).image;
  const Rgb ground = strip.at(18, 0);
  auto ink = [&](int x, int y) { return luma(strip.at(x, y)) > luma(ground) + 80; };
  for (int n = 0; n <= 30; ++n) {
    SCOPED_TRACE(testing::Message() << "number " << n);
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < strip.height(); ++y)
      for (int x = 19 * n - 1; x <= 19 * n + 18; ++x)
        if (x >= 0 && x < strip.width() && ink(x, y)) {
          EXPECT_GE(x, 19 * n);
          EXPECT_LE(x, 19 * n + 16);  // inside the window's 17 columns
          sum += x + 0.5;
          ++count;
        }
    ASSERT_GT(count, 6);
    EXPECT_NEAR(sum / count, 19 * n + 8.5, 1.2);
  }
  // Nothing beyond 30 at the right end.
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 19 * 30 + 17; x < strip.width(); ++x) EXPECT_FALSE(ink(x, y)) << x;
}

TEST(AltimeterFacts, CounterWindowIsCutCornersOfWindowColour) {
  const Image& w = vt(0x3501).image;
  for (const auto& [x, y] : {std::pair{0, 0}, {16, 0}, {0, 13}, {16, 13}}) EXPECT_EQ(w.at(x, y), artgen::kTransparent);
  for (int x = 0; x < 17; ++x) EXPECT_EQ(w.at(x, 7), artgen::kWindow) << x;
  for (int y = 0; y < 14; ++y) EXPECT_EQ(w.at(8, y), artgen::kWindow) << y;
  for (const Rgb& p : w.pixels()) EXPECT_TRUE(p == artgen::kWindow || p == artgen::kTransparent);
}

TEST(AltimeterFacts, KmDialHasItsBlackNotchAndNoOtherBlackOnTheFace) {
  const Image& dial = vt(0x3400).image;
  for (int y = 0; y < dial.height(); ++y)
    for (int x = 0; x < dial.width(); ++x) {
      const bool in_notch = x >= 49 && x <= 65 && y >= 80 && y <= 93;
      const double d = std::hypot(x - 56.0, y - 58.0);
      if (in_notch) {
        EXPECT_TRUE(is_black(dial.at(x, y))) << x << "," << y;
      } else if (d < 54.0 || (x >= 4 && x <= 109 && y >= 4 && y <= 106)) {
        EXPECT_FALSE(is_black(dial.at(x, y))) << x << "," << y;
      }
    }
}

TEST(AltimeterFacts, MetrePointersAreWhiteTrianglesInTheirColumnsAndRows) {
  struct Case {
    int id, x0;
  };
  for (const Case c : {Case{0x3800, 102}, Case{0x3900, 79}}) {
    SCOPED_TRACE(testing::Message() << std::hex << c.id);
    const Image& p = vt(c.id).image;
    EXPECT_EQ(visible_box(p), (Box{c.x0, 59, c.x0 + 13, 69}));
    for (int y = 59; y <= 69; ++y) EXPECT_GT(luma(p.at(c.x0, y)), 220) << "base row " << y;
    EXPECT_GT(luma(p.at(c.x0 + 13, 64)), 220);  // the apex, pointing right
    EXPECT_TRUE(is_black(p.at(c.x0 + 13, 59)));
  }
}

// Every point a pointer's triangle sweeps through, at any angle, falls on a
// black gap of the dial face.
TEST(AltimeterFacts, TrianglesRunInTheFacesBlackGaps) {
  const Image& face = vt(0x3A00).image;
  for (const int id : {0x3800, 0x3900}) {
    const Image& p = vt(id).image;
    int uncovered = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 128; ++x) {
        if (is_black(p.at(x, y))) continue;
        for (double a = 0.0; a < 360.0; a += 0.5) {
          const double r = a * kPi / 180.0;
          const double dx = x + 0.5 - 64.5;
          const double dy = y + 0.5 - 64.5;
          const double fx = 64.5 + dx * std::cos(r) - dy * std::sin(r);
          const double fy = 64.5 + dx * std::sin(r) + dy * std::cos(r);
          if (!is_black(face.at(static_cast<int>(fx), static_cast<int>(fy)))) ++uncovered;
        }
      }
    EXPECT_EQ(uncovered, 0) << std::hex << id;
  }
  // And the rings between the gaps are there: outer, inner and the hub.
  for (const int r : {58, 33, 8}) EXPECT_FALSE(is_black(face.at(64 + r, 64))) << r;
}

// --- Turn coordinator ---------------------------------------------------------------

TEST(TurnFacts, BallSitsInItsColumnsOnThePivotRow) {
  const Image& ball = vt(0x5000).image;
  const Box b = visible_box(ball);
  EXPECT_EQ(b.x0, 76);
  EXPECT_EQ(b.x1, 88);
  EXPECT_EQ(b.y0 + b.y1, 2 * 6);  // centred on the pivot's row 6
  for (int x = 0; x < 76; ++x)
    for (int y = 0; y < ball.height(); ++y) EXPECT_TRUE(is_black(ball.at(x, y))) << "arm " << x << "," << y;
}

TEST(TurnFacts, BallsArcFollowsTheTube) {
  // The ball's centre, column 82 of the bitmap, is 81 pixels out from the
  // pivot column 1; about the dial's pivot (64,13) it sweeps from the
  // direction of (94,88) to that of (32,88).
  const Image& dial = vt(0x4F00).image;
  const double a0 = std::atan2(88.0 - 13.0, 94.0 - 64.0) * 180.0 / kPi;
  const double a1 = std::atan2(88.0 - 13.0, 32.0 - 64.0) * 180.0 / kPi;
  int light = 0;
  int samples = 0;
  for (double a = a0; a <= a1; a += 0.25) {
    for (const double r : {78.0, 81.0, 84.0}) {
      const int x = static_cast<int>(64.5 + r * std::cos(a * kPi / 180.0));
      const int y = static_cast<int>(13.5 + r * std::sin(a * kPi / 180.0));
      ++samples;
      light += luma(dial.at(x, y)) > 150 ? 1 : 0;
    }
  }
  // All tube, but for the two thin centre lines.
  EXPECT_GT(light, samples * 9 / 10);
  EXPECT_LT(luma(dial.at(64, 96)), 255);
}

// --- Compasses ---------------------------------------------------------------------

int card_tick_column(int k) { return 6 + (22 * k) / 3; }

TEST(CompassFacts, CardHas45TicksFromColumn6To329) {
  const Image& card = vt(0x5300).image;
  const int row = 3;
  std::vector<int> starts;
  std::vector<int> widths;
  for (int x = 0; x < card.width(); ++x) {
    const bool on = luma(card.at(x, row)) > 150;
    const bool before = x > 0 && luma(card.at(x - 1, row)) > 150;
    if (on && !before) {
      starts.push_back(x);
      widths.push_back(0);
    }
    if (on) ++widths.back();
  }
  ASSERT_EQ(starts.size(), 45u);
  for (int k = 0; k < 45; ++k) {
    EXPECT_EQ(starts[static_cast<std::size_t>(k)], card_tick_column(k)) << "tick " << k;
    EXPECT_EQ(widths[static_cast<std::size_t>(k)], 2) << "tick " << k;
  }
  EXPECT_EQ(starts.front(), 6);
  EXPECT_EQ(starts.back() + widths.back() - 1, 329);
  EXPECT_EQ(starts[4], 35);   // north
  EXPECT_EQ(starts[40], 299);  // north again, 264 columns on
}

TEST(CompassFacts, NorthLettersAre264ColumnsApartUnderTheirTicks) {
  const Image& card = vt(0x5300).image;
  // The two letters are the same pixels, 264 columns apart.
  for (int y = 9; y < card.height(); ++y)
    for (int x = 26; x <= 46; ++x) EXPECT_EQ(card.at(x, y), card.at(x + 264, y)) << x << "," << y;
  // Each is centred under its tick (columns 35-36 and 299-300).
  double sum = 0.0;
  int n = 0;
  for (int y = 9; y < card.height(); ++y)
    for (int x = 26; x <= 46; ++x)
      if (luma(card.at(x, y)) > 150) {
        sum += x + 0.5;
        ++n;
      }
  ASSERT_GT(n, 10);
  EXPECT_NEAR(sum / n, 36.0, 0.6);
}

TEST(CompassFacts, CardWindowHasItsFrameAndLubberLineAndNoBlack) {
  const Image& w = vt(0x5301).image;
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < 70; ++x) {
      const Rgb c = w.at(x, y);
      EXPECT_FALSE(is_black(c));
      const bool lubber = (x == 34 || x == 35) && y >= 1 && y <= 32;
      const bool frame = ((y == 3 || y == 30) && x >= 1 && x <= 68) || ((x == 1 || x == 68) && y >= 3 && y <= 30);
      if (lubber) {
        EXPECT_GT(luma(c), 200) << x << "," << y;
      } else if (frame) {
        EXPECT_TRUE(luma(c) < 80 && c != artgen::kWindow) << x << "," << y;
      } else {
        EXPECT_EQ(c, artgen::kWindow) << x << "," << y;
      }
    }
}

TEST(CompassFacts, RoseIsADiscWithTicksEveryFiveDegreesNorthAtPlusX) {
  const Image& rose = vt(0x3200).image;
  expect_centred_disc(rose, 57.0, 58.6);
  for (int h = 0; h < 360; h += 5) {
    auto at = [&](double deg, double r) {
      return luma(rose.at(static_cast<int>(64.5 + r * std::cos(deg * kPi / 180.0)),
                          static_cast<int>(64.5 + r * std::sin(deg * kPi / 180.0))));
    };
    EXPECT_GT(at(h, 55.0), 120) << "tick " << h;
    EXPECT_LT(at(h + 2.5, 55.0), 90) << "between ticks " << h;
  }
}

TEST(CompassFacts, RadioOverlayIsAShadedDiscWithAVerticalLine) {
  const Image& o = vt(0x3300).image;
  expect_centred_disc(o, 43.0, 44.8);
  for (int y = 25; y <= 103; ++y) EXPECT_GT(luma(o.at(64, y)), 200) << "line row " << y;
}

}  // namespace
}  // namespace art_checks
