#include "module_files.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace test_support {

std::filesystem::path program_dir() {
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
  return std::filesystem::canonical("/proc/self/exe").parent_path();
#endif
}

}  // namespace test_support
