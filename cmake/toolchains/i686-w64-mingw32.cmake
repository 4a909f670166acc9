# Cross build for 32-bit Windows: the gauge modules as the simulator loads
# them. Nothing built here runs on this machine; the modules are checked
# statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(GAUGE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
