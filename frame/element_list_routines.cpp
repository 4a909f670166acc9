#include "element_list_routines.h"

#include "panel_services.h"

namespace frame {
namespace {

// The root element of the gauge at position 0, read afresh at every call.
ELEMENT_HEADER* first_gauge_root() {
  GAUGEHDR* const first = module_gauge_table()[0];
  return first->element_list[0];
}

}  // namespace

void GAUGE_CALL standard_query() { element_list_query(first_gauge_root()); }
void GAUGE_CALL standard_install(std::uint32_t argument) { element_list_install(first_gauge_root(), argument); }
void GAUGE_CALL standard_initialize() { element_list_initialize(first_gauge_root()); }
void GAUGE_CALL standard_update() { element_list_update(first_gauge_root()); }
void GAUGE_CALL standard_generate(std::uint32_t argument) { element_list_generate(first_gauge_root(), argument); }
void GAUGE_CALL standard_draw() { element_list_plot(first_gauge_root()); }
void GAUGE_CALL standard_kill() { element_list_kill(first_gauge_root()); }

}  // namespace frame
