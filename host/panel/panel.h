// A whole panel: the gauges a layout places, installed in the host, updated
// together and composed into one picture.
//
// Composition keeps the last picture and paints again only where something
// changed: after an update, each gauge whose drawn state changed (a needle
// turned, an icon switched pictures, a knob moved) is repainted in its
// rectangle, together with whatever lies under and over it there; gauges
// that did not change cost nothing. Opening or closing a window repaints the
// whole picture.
//
// What never changes is composed once into a base picture: the windows'
// backgrounds and, for every gauge that sits alone at its own size, its
// under-layer (dial faces, backgrounds). Repainting such a gauge copies its
// rectangle from the base and paints only its moving elements and its
// over-layer (glass, bezels) on top. Scaled or overlapping gauges are
// composed from their own picture instead.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge_renderer.h"
#include "layout.h"
#include "panel_host.h"

namespace panelhost::panel {

struct PlacedGauge {
  const GaugePlacement* placement = nullptr;
  std::size_t window = 0;  // index into the layout's windows
  GaugeInstance* gauge = nullptr;
  std::unique_ptr<render::GaugeRenderer> renderer;
  PIXPOINT origin{};  // top-left corner in the panel picture
  PIXSIZE size{};     // drawn size in the panel picture
  bool dirty = true;
  // Drawn straight onto the panel picture: at its own size and overlapping
  // no other gauge or window, so its under-layer can live in the panel's
  // base picture and a repaint is a copy of the base plus the moving
  // elements and the over-layer.
  bool direct = false;
  std::uint64_t layers_baked = 0;  // the renderer's layers_version() in the base
};

class Panel {
 public:
  // Loads each module the layout names from `modules_dir` (NAME.gau) and
  // installs each placed gauge. Throws LayoutError naming the layout line
  // for an unknown module or gauge, a gauge that does not fit its window or
  // art that the module lacks.
  Panel(PanelHost& host, Layout layout, const std::filesystem::path& modules_dir);
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  // One update of every gauge, in layout order; each renderer takes the
  // values (needles turn here).
  void update();

  // The panel picture (RGB24, the main window's size), repainted where it
  // changed since the last call.
  const render::Image& frame();

  // A copy of the picture with every mouse rectangle of every shown gauge
  // outlined and labelled with its help id or cursor.
  render::Image frame_with_hotspots();

  // "MODULE!GAUGE NAME"; nothing if the layout does not place it.
  PlacedGauge* find(std::string_view reference);
  std::vector<PlacedGauge>& gauges() { return gauges_; }
  const Layout& layout() const { return layout_; }
  PIXSIZE size() const { return layout_.windows.front().size; }
  bool window_shown(std::size_t window) const;
  // Gauges repainted by the last frame() call.
  std::size_t repainted() const { return repainted_; }

 private:
  struct Rect {
    std::int32_t x, y, width, height;
  };
  Rect window_rect(std::size_t window) const;
  void repaint(cairo_t* context, Rect rect);
  void repaint_direct(cairo_t* context, PlacedGauge& placed);
  void repaint_gauge(cairo_t* context, PlacedGauge& placed);
  void compose_whole();

  PanelHost& host_;
  Layout layout_;
  std::vector<PlacedGauge> gauges_;
  render::Image frame_;
  render::Image base_;
  std::vector<bool> shown_;  // windows as last composed
  bool composed_ = false;
  std::size_t repainted_ = 0;
};

}  // namespace panelhost::panel
