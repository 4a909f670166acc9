// The seven standard element-list routines that every version-700 gauge
// header of Velmar_Tavrin names. None of them is told which gauge it serves:
// each looks up the root element of the gauge at position 0 of the gauge
// table through `Linkage` and forwards that. The host draws and drives each
// version-700 gauge from its own header, so these add nothing to it.
#pragma once

#include "gauge_records.h"

namespace frame {

void GAUGE_CALL standard_query();
void GAUGE_CALL standard_install(std::uint32_t argument);
void GAUGE_CALL standard_initialize();
void GAUGE_CALL standard_update();
void GAUGE_CALL standard_generate(std::uint32_t argument);
void GAUGE_CALL standard_draw();
void GAUGE_CALL standard_kill();

// The gauge table of this module, as `Linkage` holds it.
GAUGEHDR* const* module_gauge_table();

// A version-700 header with the standard routines.
constexpr GAUGEHDR gauge_header_700(const char* name, ELEMENT_HEADER** element_list,
                                    std::uint32_t default_width_mm, MOUSERECT* mouse_rect) {
  return {kGaugeHeaderVersion700, name, element_list,
          standard_query, standard_install, standard_initialize, standard_update,
          standard_generate, standard_draw, standard_kill,
          default_width_mm, mouse_rect, nullptr};
}

}  // namespace frame
