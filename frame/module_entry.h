#pragma once

#include "gauge_records.h"

namespace frame {

// The module routines `Linkage` names; both do nothing.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

constexpr LINKAGE_HEAD linkage_head() {
  return {kModuleId, module_init, module_deinit, /*flags*/ 0, /*priority*/ 0, /*version*/ 0};
}

}  // namespace frame
