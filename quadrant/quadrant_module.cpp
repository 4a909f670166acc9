// quadrant: the engine-controls module. Its exported records, and the
// routines of its one version-610 gauge.
#include "engine_controls.h"
#include "module_entry.h"
#include "panel_services.h"
#include "quadrant_routines.h"

extern "C" {

constinit IMPORT_TABLE ImportTable = frame::unfilled_import_table();

constinit LINKAGE<1> Linkage = {
    frame::linkage_head(),
    {&engine_controls_gauge, nullptr},
};

}  // extern "C"

namespace quadrant {
namespace {

ELEMENT_HEADER* root() { return engine_controls_gauge.element_list[0]; }

}  // namespace

void GAUGE_CALL engine_controls_query() { frame::element_list_query(root()); }

// The size handed on is the host's own record for the installed background,
// taken only once the element list is installed; the lever handlers read the
// height from the same record.
void GAUGE_CALL engine_controls_install(std::uint32_t argument) {
  frame::element_list_install(root(), argument);
  INSTALLED_IMAGE* background = reinterpret_cast<ELEMENT_STATIC_IMAGE*>(root())->image;
  frame::mouse_list_install(engine_controls_mouse_rects, &engine_controls_gauge,
                            background ? &background->size : nullptr);
  frame::mouse_list_register(engine_controls_mouse_rects, &engine_controls_gauge);
}

void GAUGE_CALL engine_controls_initialize() { frame::element_list_initialize(root()); }
void GAUGE_CALL engine_controls_update() { frame::element_list_update(root()); }
void GAUGE_CALL engine_controls_generate(std::uint32_t argument) { frame::element_list_generate(root(), argument); }
void GAUGE_CALL engine_controls_draw() { frame::element_list_plot(root()); }

void GAUGE_CALL engine_controls_kill() {
  frame::mouse_list_unregister(engine_controls_mouse_rects, &engine_controls_gauge);
  frame::element_list_kill(root());
}

}  // namespace quadrant
