#include "module_fixture.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace conformance {

std::filesystem::path module_path(const std::string& module_name) {
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  const std::filesystem::path program(std::wstring(buffer, length));
#else
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
#endif
  return program.parent_path() / (module_name + ".gau");
}

}  // namespace conformance
