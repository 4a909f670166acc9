// Whole panels with the real modules: installing what a layout places, the
// built-in arrangement, repainting only what changed, windows, and the road
// of one event from a click to the next picture.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "module_files.h"
#include "default_layout.h"
#include "panel.h"
#include "sim_model.h"

namespace panelhost::panel {
namespace {


// Pixel-for-pixel equality of two pictures of one size.
bool same_pixels(const render::Image& a, const render::Image& b) {
  a.flush();
  b.flush();
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (std::int32_t y = 0; y < a.height(); ++y)
    for (std::int32_t x = 0; x < a.width(); ++x)
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

render::Image copy(const render::Image& image) {
  render::Image result(image.width(), image.height(), image.format());
  image.flush();
  std::memcpy(result.data(), image.data(), static_cast<std::size_t>(image.stride() * image.height()));
  result.mark_dirty();
  return result;
}

const char* kThreeGauges = R"([Window00]
size_mm=460,230
gauge00=Velmar_Tavrin!Fuel, 4, 4
gauge01=Velmar_Tavrin!Fuel Tank Switch, 140, 4
gauge02=quadrant!Engine Controls, 280, 4
)";

TEST(Panel, InstallsWhatTheLayoutPlaces) {
  PanelHost host;
  Panel panel(host, parse_layout(kThreeGauges, "three.cfg"), test_support::program_dir());
  ASSERT_EQ(panel.gauges().size(), 3u);
  EXPECT_EQ(host.gauges().size(), 3u);
  const PlacedGauge* quadrant = panel.find("quadrant!Engine Controls");
  ASSERT_NE(quadrant, nullptr);
  EXPECT_EQ(quadrant->origin.x, 280);
  EXPECT_EQ(quadrant->size.x, 157);
  EXPECT_EQ(quadrant->size.y, 210);
  EXPECT_EQ(panel.find("Velmar_Tavrin!Clock"), nullptr);
}

TEST(Panel, LayoutErrorsNameTheLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"[Window00]\nsize_mm=200,200\ngauge00=Nope!Fuel, 0, 0\n", "bad.cfg:3: unknown module \"Nope\""},
      {"[Window00]\nsize_mm=200,200\ngauge00=Velmar_Tavrin!Fuel Gauge, 0, 0\n",
       "Velmar_Tavrin.gau: no gauge named \"Fuel Gauge\""},
      {"[Window00]\nsize_mm=200,200\ngauge00=Velmar_Tavrin!Fuel, 100, 0\n",
       "bad.cfg:3: Velmar_Tavrin!Fuel at 100,0 with size 128x128 does not fit in [Window00] (200x200)"},
  };
  for (const auto& c : cases) {
    PanelHost host;
    try {
      Panel panel(host, parse_layout(c.text, "bad.cfg"), test_support::program_dir());
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const LayoutError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << "expected: " << c.message << "\n     got: " << error.what();
      EXPECT_TRUE(std::string(error.what()).starts_with("bad.cfg:3: ")) << error.what();
    }
  }
}

TEST(Panel, RepaintsOnlyTheGaugesWhoseDrawingChanged) {
  PanelHost host;
  Panel panel(host, parse_layout(kThreeGauges, "three.cfg"), test_support::program_dir());
  panel.update();
  panel.frame();
  EXPECT_EQ(panel.repainted(), 3u);
  panel.update();
  panel.frame();
  EXPECT_EQ(panel.repainted(), 0u);  // nothing changed
  host.variables().set_f64(304, 100.0);
  panel.update();
  const render::Image after_fuel = copy(panel.frame());
  EXPECT_EQ(panel.repainted(), 1u);
  // The same values drawn from scratch give the same picture.
  PanelHost fresh_host;
  fresh_host.variables().set_f64(304, 100.0);
  Panel fresh(fresh_host, parse_layout(kThreeGauges, "three.cfg"), test_support::program_dir());
  fresh.update();
  EXPECT_TRUE(same_pixels(after_fuel, fresh.frame()));
}

TEST(Panel, ScaledPlacementDrawsTheGaugeAtTheGivenSize) {
  PanelHost host;
  Panel panel(host, parse_layout("[Window00]\nsize_mm=100,100\ngauge00=Velmar_Tavrin!Fuel, 0, 0, 64\n", "s.cfg"),
              test_support::program_dir());
  EXPECT_EQ(panel.gauges()[0].size.y, 64);
  panel.update();
  const render::Image& frame = panel.frame();
  frame.flush();
  EXPECT_EQ(frame.pixel(80, 80) & 0xFFFFFF, 0x2B2F33u);  // beyond the scaled gauge: the panel
  EXPECT_NE(frame.pixel(32, 32) & 0xFFFFFF, 0x2B2F33u);  // the dial's centre
}

TEST(Panel, AWindowWithAnIdentOpensAndClosesWithItsToggle) {
  PanelHost host;
  Panel panel(host, parse_layout(R"([Window00]
size_mm=300,300
background_color=0,0,0
gauge00=Velmar_Tavrin!Fuel, 0, 0
[Window01]
ident=50
visible=0
window_pos=100,40
size_mm=160,220
background_color=255,0,0
gauge00=quadrant!Engine Controls, 1, 5
)",
                                 "w.cfg"),
              test_support::program_dir());
  const auto pixel_after_update = [&](std::int32_t x, std::int32_t y) {
    panel.update();
    const render::Image& frame = panel.frame();
    frame.flush();
    return frame.pixel(x, y) & 0xFFFFFF;
  };
  // The window covers the fuel gauge's right edge when it is open.
  EXPECT_FALSE(panel.find("Velmar_Tavrin!Fuel")->direct);
  EXPECT_EQ(pixel_after_update(131, 41), 0u);  // closed: the main panel shows
  const std::uint32_t dial = pixel_after_update(102, 64);
  host.services().panel_window_toggle(50);
  EXPECT_TRUE(panel.window_shown(1));
  EXPECT_EQ(pixel_after_update(131, 41), 0xFF0000u);  // open: its background
  EXPECT_EQ(panel.repainted(), 2u);                    // all of it
  EXPECT_EQ(pixel_after_update(100, 41), 0xFF0000u);  // over the dial
  // The fuel gauge changes under the open window: the window stays on top.
  host.variables().set_f64(304, 264.0);
  EXPECT_EQ(pixel_after_update(100, 41), 0xFF0000u);
  EXPECT_EQ(panel.repainted(), 1u);
  host.services().panel_window_toggle(50);
  EXPECT_EQ(pixel_after_update(131, 41), 0u);
  EXPECT_EQ(pixel_after_update(102, 64), dial);  // the dial is back
}

// The road of one event: a click on the tank selector sends its key event,
// the model changes host variable 307, and the next update shows the other
// picture.
TEST(Panel, AClickChangesThePictureOnTheNextUpdate) {
  PanelHost host;
  sim::SimModel model(host);
  host.variables().set_u32(307, 1);
  Panel panel(host, parse_layout(kThreeGauges, "three.cfg"), test_support::program_dir());
  panel.update();
  const render::Image both = copy(panel.frame());

  PlacedGauge& selector = *panel.find("Velmar_Tavrin!Fuel Tank Switch");
  const MouseOutcome outcome = host.mouse(*selector.gauge, {20, 60}, MOUSE_LEFTSINGLE);
  ASSERT_EQ(outcome.key_events, (std::vector<KeyEvent>{{0x101A5, 0}}));
  EXPECT_EQ(host.variables().get(307), (HostValue{true, 0.0, 2}));
  EXPECT_TRUE(same_pixels(both, panel.frame()));  // not before the next update

  panel.update();
  const render::Image left = copy(panel.frame());
  EXPECT_FALSE(same_pixels(both, left));
  EXPECT_EQ(selector.renderer->states()[1].value[0], 1.0);  // picture 1: the pointer to L
  EXPECT_EQ(panel.repainted(), 1u);

  PanelHost direct_host;
  direct_host.variables().set_u32(307, 2);
  Panel direct(direct_host, parse_layout(kThreeGauges, "three.cfg"), test_support::program_dir());
  direct.update();
  EXPECT_TRUE(same_pixels(left, direct.frame()));
}

TEST(DefaultLayout, PlacesEveryGaugeTheModulesHoldWithoutOverlap) {
  PanelHost host;
  const Layout layout = default_layout(host, test_support::program_dir());
  const auto sizes = gauge_sizes(host, test_support::program_dir());
  ASSERT_EQ(layout.windows.size(), 1u);
  const PanelWindow& main = layout.windows[0];
  EXPECT_EQ(main.gauges.size(), sizes.size());
  for (const GaugePlacement& a : main.gauges) {
    const PIXSIZE size_a = sizes.at(a.reference());
    EXPECT_GE(a.at.x, 0);
    EXPECT_LE(a.at.x + size_a.x, main.size.x) << a.reference();
    EXPECT_LE(a.at.y + size_a.y, main.size.y) << a.reference();
    for (const GaugePlacement& b : main.gauges) {
      if (&a == &b) continue;
      const PIXSIZE size_b = sizes.at(b.reference());
      const bool apart = a.at.x + size_a.x <= b.at.x || b.at.x + size_b.x <= a.at.x || a.at.y + size_a.y <= b.at.y ||
                         b.at.y + size_b.y <= a.at.y;
      EXPECT_TRUE(apart) << a.reference() << " overlaps " << b.reference();
    }
  }
  // Controls sit below the instruments.
  std::int32_t instruments_bottom = 0, controls_top = 1 << 20;
  for (const GaugePlacement& g : main.gauges) {
    if (g.reference() == "Velmar_Tavrin!Fuel") instruments_bottom = g.at.y + sizes.at(g.reference()).y;
    if (g.reference() == "quadrant!Engine Controls" || g.reference() == "Velmar_Tavrin!Fuel Tank Switch")
      controls_top = std::min(controls_top, g.at.y);
  }
  EXPECT_LE(instruments_bottom, controls_top);
  // And it is an ordinary layout: it installs.
  Panel panel(host, layout, test_support::program_dir());
  EXPECT_EQ(panel.gauges().size(), sizes.size());
}

// The whole cockpit, once both modules hold all their gauges: background
// sizes as the gauges carry them.
TEST(DefaultLayout, TheFullCockpitIsTidy) {
  std::map<std::string, PIXSIZE> sizes;
  for (const char* name :
       {"Fuel", "Fuel Tank Switch", "Master Battery Switch", "Airspeed Indicator", "Vertical Speed Indicator",
        "Artificial Horizon", "Tachometer 0", "Tachometer 1", "Radiator Temp 0", "Radiator Temp 1", "Oil Temp 0",
        "Oil Temp 1", "Radio Compass", "Altimeter (m)", "Ammo Counter", "Fuel Pressure 0", "Fuel Pressure 1",
        "Oil Pressure 0", "Oil Pressure 1", "Manifold Pressure 0", "Manifold Pressure 1", "Turn Coordinator"})
    sizes[std::string("Velmar_Tavrin!") + name] = {128, 128};
  sizes["Velmar_Tavrin!Altimeter (Km)"] = {114, 124};
  sizes["Velmar_Tavrin!Clock"] = {75, 75};
  sizes["Velmar_Tavrin!Whiskey Compass"] = {115, 143};
  for (const char* name : {"Icon Left Console", "Icon Right Console", "Icon Engine Console"})
    sizes[std::string("Velmar_Tavrin!") + name] = {19, 19};
  sizes["Velmar_Tavrin!Engine0 Ignition"] = sizes["Velmar_Tavrin!Engine1 Ignition"] = {208, 64};
  sizes["Velmar_Tavrin!Autopilot"] = {144, 192};
  sizes["Velmar_Tavrin!Fuel Warning - Left"] = sizes["Velmar_Tavrin!Fuel Warning - Right"] = {32, 32};
  sizes["Velmar_Tavrin!Bombing Controls"] = {144, 208};
  sizes["Velmar_Tavrin!Ejection Seat Handle"] = {256, 41};
  sizes["quadrant!Engine Controls"] = {157, 210};
  ASSERT_EQ(sizes.size(), 36u);

  const Layout layout = arrange_default_layout(sizes);
  const PanelWindow& main = layout.windows[0];
  ASSERT_EQ(main.gauges.size(), 36u);
  std::map<std::string, PIXPOINT> at;
  for (const GaugePlacement& g : main.gauges) at[g.reference()] = g.at;
  for (const GaugePlacement& a : main.gauges) {
    const PIXSIZE sa = sizes.at(a.reference());
    EXPECT_LE(a.at.x + sa.x, main.size.x);
    EXPECT_LE(a.at.y + sa.y, main.size.y);
    for (const GaugePlacement& b : main.gauges) {
      const PIXSIZE sb = sizes.at(b.reference());
      if (&a == &b) continue;
      EXPECT_TRUE(a.at.x + sa.x <= b.at.x || b.at.x + sb.x <= a.at.x || a.at.y + sa.y <= b.at.y ||
                  b.at.y + sb.y <= a.at.y)
          << a.reference() << " overlaps " << b.reference();
    }
  }
  // A screen-sized panel.
  EXPECT_LE(main.size.x, 1300);
  EXPECT_LE(main.size.y, 800);
  // Flight instruments left of the engine instruments; each engine pair
  // side by side, engine 0 on the left; controls below everything else.
  EXPECT_LT(at["Velmar_Tavrin!Airspeed Indicator"].x, at["Velmar_Tavrin!Tachometer 0"].x);
  EXPECT_EQ(at["Velmar_Tavrin!Airspeed Indicator"].y, at["Velmar_Tavrin!Tachometer 0"].y);
  for (const auto& [left, right] : {std::pair{"Tachometer 0", "Tachometer 1"}, {"Oil Temp 0", "Oil Temp 1"},
                                    {"Manifold Pressure 0", "Manifold Pressure 1"}}) {
    const PIXPOINT l = at[std::string("Velmar_Tavrin!") + left];
    const PIXPOINT r = at[std::string("Velmar_Tavrin!") + right];
    EXPECT_EQ(l.y, r.y) << left;
    EXPECT_EQ(r.x - l.x, 128 + 8) << left;
  }
  std::int32_t instruments_bottom = 0;
  for (const char* name : {"Velmar_Tavrin!Clock", "Velmar_Tavrin!Whiskey Compass", "Velmar_Tavrin!Fuel Warning - Right"})
    instruments_bottom = std::max(instruments_bottom, at[name].y + sizes.at(name).y);
  for (const char* name : {"Velmar_Tavrin!Master Battery Switch", "quadrant!Engine Controls",
                           "Velmar_Tavrin!Ejection Seat Handle"})
    EXPECT_GT(at[name].y, instruments_bottom) << name;
}

TEST(DefaultLayout, NoModulesIsAnError) {
  PanelHost host;
  EXPECT_THROW(default_layout(host, "/nonexistent"), LayoutError);
}

}  // namespace
}  // namespace panelhost::panel
