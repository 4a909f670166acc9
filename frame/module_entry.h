#pragma once

#include "gauge_records.h"

namespace frame {

// The module routines `Linkage` names; both do nothing.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

// `ImportTable` as a module ships it: entry 0 waits for the host's service
// table, entry 1 ends the list.
constexpr IMPORT_TABLE unfilled_import_table() { return {{kImportIdPanels, nullptr}, {0, nullptr}}; }

constexpr LINKAGE_HEAD linkage_head() {
  return {kModuleId, module_init, module_deinit, /*flags*/ 0, /*priority*/ 0, /*version*/ 0};
}

}  // namespace frame
