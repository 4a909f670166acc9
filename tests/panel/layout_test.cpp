// Layout files: what they place, and the errors a panel author meets.
#include <gtest/gtest.h>

#include <string>

#include "layout.h"

namespace panelhost::panel {
namespace {

TEST(Layout, ReadsWindowsAndGaugePlacements) {
  const Layout layout = parse_layout(R"(// a panel
[Window Titles]
Window00=Main Panel
Window01=Engine Console

[Window00]
size_mm=700,420   // pixels
background_color=10,20,30
gauge00=Velmar_Tavrin!Fuel, 10, 12
gauge01=Velmar_Tavrin!Fuel Tank Switch , 150, 10, 96
gauge02 = quadrant!Engine Controls, 300, 5, 100, 50

; the console
[Window01]
ident=50
visible=0
window_pos=400,200
size_mm=170,220
)",
                                     "panel.cfg");
  EXPECT_EQ(layout.source, "panel.cfg");
  ASSERT_EQ(layout.windows.size(), 2u);
  const PanelWindow& main = layout.windows[0];
  EXPECT_EQ(main.title, "Main Panel");
  EXPECT_EQ(main.size.x, 700);
  EXPECT_EQ(main.size.y, 420);
  EXPECT_EQ(main.background_rgb, 0x0A141Eu);
  EXPECT_TRUE(main.visible);
  ASSERT_EQ(main.gauges.size(), 3u);
  EXPECT_EQ(main.gauges[0].reference(), "Velmar_Tavrin!Fuel");
  EXPECT_EQ(main.gauges[0].at.x, 10);
  EXPECT_EQ(main.gauges[0].at.y, 12);
  EXPECT_FALSE(main.gauges[0].width);
  EXPECT_EQ(main.gauges[0].line, 9u);
  EXPECT_EQ(main.gauges[1].gauge, "Fuel Tank Switch");
  EXPECT_EQ(*main.gauges[1].width, 96);
  EXPECT_FALSE(main.gauges[1].height);
  EXPECT_EQ(*main.gauges[2].height, 50);
  const PanelWindow& console = layout.windows[1];
  EXPECT_EQ(console.title, "Engine Console");
  EXPECT_EQ(*console.ident, 50u);
  EXPECT_FALSE(console.visible);
  EXPECT_EQ(console.position.x, 400);
  EXPECT_TRUE(console.gauges.empty());
}

TEST(Layout, WritesBackWhatItReads) {
  const std::string text = R"([Window00]
size_mm=300,200
gauge00=quadrant!Engine Controls, 1, 2, 3, 4
gauge01=Velmar_Tavrin!Fuel, 150, 10
[Window01]
ident=51
visible=0
window_pos=5,6
size_mm=20,20
)";
  const Layout first = parse_layout(text, "a");
  const Layout second = parse_layout(layout_text(first), "b");
  EXPECT_EQ(layout_text(first), layout_text(second));
  EXPECT_EQ(second.windows[1].ident, 51u);
  EXPECT_EQ(*second.windows[0].gauges[0].height, 4);
}

TEST(Layout, ErrorsNameTheFileTheLineAndTheProblem) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"[Window00]\nsize_mm=10,10\ngauge00=Velmar_Tavrin Fuel, 1, 2\n",
       "p.cfg:3: gauge00: expected MODULE!GAUGE NAME, x, y[, w[, h]], found \"Velmar_Tavrin Fuel\""},
      {"[Window00]\nsize_mm=10,10\ngauge00=Velmar_Tavrin!Fuel, 1\n",
       "p.cfg:3: gauge00: expected MODULE!GAUGE NAME, x, y[, w[, h]]"},
      {"[Window00]\nsize_mm=10,10\ngauge00=Velmar_Tavrin!Fuel, 1, two\n", "p.cfg:3: gauge00 y \"two\" is not a whole number"},
      {"[Window00]\nsize_mm=10,10\ngauge00=Velmar_Tavrin!Fuel, 1, 2, 0\n", "p.cfg:3: gauge00 width 0 is outside 1 to 8192"},
      {"[Window00]\nsize_mm=10\n", "p.cfg:2: size_mm needs 2 numbers separated by commas"},
      {"[Window00]\nsize_mm=10,10\nsize_mm=20,20\n", "p.cfg:3: size_mm is given twice in this window"},
      {"[Window00]\nsize_mm=10,10\nfile=panel.bmp\n", "p.cfg:3: unknown key \"file\""},
      {"[Window00]\nsize_mm=10,10\njust words\n", "p.cfg:3: expected KEY=VALUE, found \"just words\""},
      {"gauge00=Velmar_Tavrin!Fuel, 1, 2\n", "p.cfg:1: \"gauge00\" comes before any [WindowNN] section"},
      {"[Window00\n", "p.cfg:1: a section name must end with ']'"},
      {"[Panel]\n", "p.cfg:1: unknown section [Panel]"},
      {"[Window00]\nsize_mm=1,1\n[window00]\n", "p.cfg:3: section [window00] appears twice"},
      {"[Window00]\nbackground_color=1,2,300\n", "p.cfg:2: background_color 300 is outside 0 to 255"},
      {"[Window00]\nvisible=1\n", "p.cfg:1: [Window00] has no size_mm=WIDTH,HEIGHT"},
      {"// nothing\n", "p.cfg: no [WindowNN] section"},
      {"[Window00]\nsize_mm=100,100\n[Window01]\nsize_mm=50,50\nwindow_pos=60,0\n",
       "p.cfg:3: [Window01] at 60,0 with size 50x50 does not fit on the main window (100x100)"},
      {"[Window00]\nsize_mm=10,10\ngauge00=quadrant!Engine Controls, 1, 2\ngauge01=quadrant!Engine Controls, 3, 4\n",
       "p.cfg:4: quadrant!Engine Controls is placed twice"},
      {"[Window00]\nsize_mm=10,10\ngauge00=a!b, 1, 2\ngauge00=a!c, 1, 2\n", "p.cfg:4: gauge00 is given twice in this window"},
  };
  for (const auto& c : cases) {
    try {
      parse_layout(c.text, "p.cfg");
      ADD_FAILURE() << "no error for:\n" << c.text;
    } catch (const LayoutError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << "expected: " << c.message << "\n     got: " << error.what();
      EXPECT_TRUE(std::string(error.what()).starts_with(std::string(c.message).substr(0, 5))) << error.what();
    }
  }
}

TEST(Layout, AMissingFileIsNamed) {
  try {
    read_layout("/nonexistent/panel.cfg");
    FAIL() << "no error";
  } catch (const LayoutError& error) {
    EXPECT_STREQ(error.what(), "/nonexistent/panel.cfg: cannot read the layout file");
  }
}

}  // namespace
}  // namespace panelhost::panel
