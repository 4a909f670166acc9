# Shared by both MinGW-w64 toolchain files; GAUGE_MINGW_TRIPLE names the
# target. The -posix compilers have std::mutex and std::thread, which the
# test framework needs.
set(CMAKE_C_COMPILER ${GAUGE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GAUGE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_ASM_COMPILER ${GAUGE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_RC_COMPILER ${GAUGE_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${GAUGE_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${GAUGE_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${GAUGE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime goes into every binary, so the modules and the test programs
# import nothing but system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
