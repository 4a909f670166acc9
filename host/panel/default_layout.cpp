#include "default_layout.h"

#include <fmt/format.h>

#include <algorithm>
#include <map>

#include "bitmap.h"
#include "record_check.h"

namespace panelhost::panel {
namespace {

constexpr std::int32_t kMargin = 12;
constexpr std::int32_t kGap = 8;
constexpr std::uint32_t kPanelColour = 0x2B2F33;

// One entry of a block: a gauge, or an engine pair drawn side by side.
struct Entry {
  std::vector<const char*> gauges;  // module!gauge references
};

struct Block {
  std::int32_t max_width;  // 0: as wide as the panel
  std::vector<Entry> entries;
};

const std::vector<Block>& blocks() {
  static const std::vector<Block> kBlocks = {
      // Flight instruments, three 128-pixel dials to a row.
      {3 * 128 + 2 * kGap,
       {{{"Velmar_Tavrin!Airspeed Indicator"}},
        {{"Velmar_Tavrin!Artificial Horizon"}},
        {{"Velmar_Tavrin!Altimeter (m)"}},
        {{"Velmar_Tavrin!Vertical Speed Indicator"}},
        {{"Velmar_Tavrin!Turn Coordinator"}},
        {{"Velmar_Tavrin!Altimeter (Km)"}},
        {{"Velmar_Tavrin!Radio Compass"}},
        {{"Velmar_Tavrin!Whiskey Compass"}},
        {{"Velmar_Tavrin!Clock"}}}},
      // Engine instruments: pairs, three to a row.
      {6 * 128 + 5 * kGap,
       {{{"Velmar_Tavrin!Tachometer 0", "Velmar_Tavrin!Tachometer 1"}},
        {{"Velmar_Tavrin!Manifold Pressure 0", "Velmar_Tavrin!Manifold Pressure 1"}},
        {{"Velmar_Tavrin!Fuel Pressure 0", "Velmar_Tavrin!Fuel Pressure 1"}},
        {{"Velmar_Tavrin!Radiator Temp 0", "Velmar_Tavrin!Radiator Temp 1"}},
        {{"Velmar_Tavrin!Oil Temp 0", "Velmar_Tavrin!Oil Temp 1"}},
        {{"Velmar_Tavrin!Oil Pressure 0", "Velmar_Tavrin!Oil Pressure 1"}},
        {{"Velmar_Tavrin!Fuel"}},
        {{"Velmar_Tavrin!Ammo Counter"}},
        {{"Velmar_Tavrin!Fuel Warning - Left", "Velmar_Tavrin!Fuel Warning - Right"}}}},
      // Controls across the bottom.
      {0,
       {{{"Velmar_Tavrin!Master Battery Switch"}},
        {{"Velmar_Tavrin!Fuel Tank Switch"}},
        {{"Velmar_Tavrin!Engine0 Ignition"}},
        {{"Velmar_Tavrin!Engine1 Ignition"}},
        {{"Velmar_Tavrin!Autopilot"}},
        {{"Velmar_Tavrin!Bombing Controls"}},
        {{"quadrant!Engine Controls"}},
        {{"Velmar_Tavrin!Icon Left Console", "Velmar_Tavrin!Icon Right Console",
          "Velmar_Tavrin!Icon Engine Console"}},
        {{"Velmar_Tavrin!Ejection Seat Handle"}}}},
  };
  return kBlocks;
}

}  // namespace

std::map<std::string, PIXSIZE> gauge_sizes(PanelHost& host, const std::filesystem::path& modules_dir) {
  std::map<std::string, PIXSIZE> sizes;
  for (const char* name : {"Velmar_Tavrin", "quadrant"}) {
    const std::filesystem::path file = modules_dir / (std::string(name) + ".gau");
    if (!std::filesystem::exists(file)) continue;
    ModuleLibrary& module = host.load(file);
    const std::vector<GAUGEHDR*> table = check_gauge_table(module);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const std::string gauge = check_gauge_name(module, table[i], i);
      const auto elements = check_elements(module, table[i], fmt::format("gauge \"{}\"", gauge));
      const std::uint32_t id = elements.front().element->bitmap_id;
      const auto bytes = module.resource(kResourceTypeBitmap, id);
      if (!bytes)
        throw LayoutError(fmt::format("default layout: {}: gauge \"{}\": {}: the module has no such bitmap",
                                      file.string(), gauge, bitmap_name(id)));
      try {
        const BitmapSize size = bitmap_size(*bytes, bitmap_name(id));
        sizes[std::string(name) + "!" + gauge] = {size.width, size.height};
      } catch (const BitmapError& error) {
        throw LayoutError(fmt::format("default layout: {}: gauge \"{}\": {}", file.string(), gauge, error.what()));
      }
    }
  }
  if (sizes.empty())
    throw LayoutError(fmt::format("default layout: no gauge module (Velmar_Tavrin.gau, quadrant.gau) in {}",
                                  modules_dir.string()));
  return sizes;
}

Layout default_layout(PanelHost& host, const std::filesystem::path& modules_dir) {
  return arrange_default_layout(gauge_sizes(host, modules_dir));
}

Layout arrange_default_layout(const std::map<std::string, PIXSIZE>& sizes) {
  Layout layout;
  layout.source = "default layout";
  PanelWindow& main = layout.windows.emplace_back();
  main.section = "Window00";
  main.title = "Main Panel";
  main.background_rgb = kPanelColour;

  std::int32_t top_blocks_right = kMargin;  // where the next top block starts
  std::int32_t top_blocks_bottom = kMargin;
  std::int32_t panel_right = kMargin;
  std::int32_t panel_bottom = kMargin;
  std::size_t next_key = 0;
  const std::size_t last_block = blocks().size() - 1;

  for (std::size_t b = 0; b < blocks().size(); ++b) {
    const Block& block = blocks()[b];
    const bool bottom_block = b == last_block;
    const std::int32_t left = bottom_block ? kMargin : top_blocks_right;
    const std::int32_t top = bottom_block ? top_blocks_bottom : kMargin;
    const std::int32_t limit = block.max_width > 0 ? block.max_width : std::max(panel_right - kMargin, 1024);
    std::int32_t x = left, y = top, row_height = 0, block_right = left, block_bottom = top;
    for (const Entry& entry : block.entries) {
      std::vector<std::pair<std::string, PIXSIZE>> present;
      std::int32_t width = 0, height = 0;
      for (const char* reference : entry.gauges) {
        const auto found = sizes.find(reference);
        if (found == sizes.end()) continue;
        width += (present.empty() ? 0 : kGap) + found->second.x;
        height = std::max(height, found->second.y);
        present.emplace_back(found->first, found->second);
      }
      if (present.empty()) continue;
      if (x > left && x + width > left + limit) {
        x = left;
        y += row_height + kGap;
        row_height = 0;
      }
      std::int32_t at = x;
      for (const auto& [reference, size] : present) {
        GaugePlacement placement;
        placement.key = fmt::format("gauge{:02}", next_key++);
        const std::size_t bang = reference.find('!');
        placement.module = reference.substr(0, bang);
        placement.gauge = reference.substr(bang + 1);
        placement.at = {at, y};
        main.gauges.push_back(std::move(placement));
        at += size.x + kGap;
      }
      x += width + kGap;
      row_height = std::max(row_height, height);
      block_right = std::max(block_right, x - kGap);
      block_bottom = std::max(block_bottom, y + row_height);
    }
    if (block_right == left) continue;  // nothing of this block exists
    panel_right = std::max(panel_right, block_right);
    panel_bottom = std::max(panel_bottom, block_bottom);
    if (!bottom_block) {
      top_blocks_right = block_right + 2 * kGap;
      top_blocks_bottom = std::max(top_blocks_bottom, block_bottom + 2 * kGap);
    }
  }
  main.size = {panel_right + kMargin, panel_bottom + kMargin};
  return layout;
}

}  // namespace panelhost::panel
