// What every gauge module has besides its gauges: the library entry point and
// the module routines that `Linkage` names. All of them only report success;
// nothing runs before the host first calls a gauge.
#include "module_entry.h"

#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

namespace frame {

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

}  // namespace frame
