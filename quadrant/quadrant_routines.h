// The seven routines of the version-610 "Engine Controls" header. Unlike the
// standard routines of Velmar_Tavrin they serve this one gauge, and install,
// register and unregister its mouse table themselves.
#pragma once

#include "gauge_records.h"

extern MOUSERECT engine_controls_mouse_rects[];

namespace quadrant {

void GAUGE_CALL engine_controls_query();
void GAUGE_CALL engine_controls_install(std::uint32_t argument);
void GAUGE_CALL engine_controls_initialize();
void GAUGE_CALL engine_controls_update();
void GAUGE_CALL engine_controls_generate(std::uint32_t argument);
void GAUGE_CALL engine_controls_draw();
void GAUGE_CALL engine_controls_kill();

}  // namespace quadrant
