// The host's Windows loading layer on its own: what it reports for files that
// are not gauge modules, and where it says a loaded module lies. Compiled into
// the Windows conformance runner only.
#include <windows.h>

#include <cstring>

#include "module_fixture.h"

namespace conformance {
namespace {

std::filesystem::path system_folder() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
  return std::wstring(buffer, length);
}

TEST(WindowsModuleLibrary, FilesThatAreNotGaugeModulesAreReportedWithFileAndProblem) {
  const struct {
    std::filesystem::path path;
    const char* problem;
  } cases[] = {
      {module_path("no_such_module"), "no such file"},
      {std::filesystem::path(GAUGE_RESOURCES_DIR) / "bitmaps.csv", "cannot load"},
      // A library, but not a gauge module.
      {system_folder() / "version.dll", "not a gauge module: it does not export ImportTable"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.path.string());
    try {
      panelhost::ModuleLibrary::open(row.path);
      ADD_FAILURE() << "no error";
    } catch (const panelhost::ModuleError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(row.path.string()), std::string::npos) << message;
      EXPECT_NE(message.find(row.problem), std::string::npos) << message;
    }
  }
}

TEST(WindowsModuleLibrary, LoadedImageHoldsTheRecordsAndNothingOutside) {
  const auto module = panelhost::ModuleLibrary::open(module_path("quadrant"));
  const auto base = reinterpret_cast<const unsigned char*>(module->base_address());
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(reinterpret_cast<HMODULE>(module->base_address()), GetModuleHandleW(L"quadrant.gau"));
  EXPECT_TRUE(module->contains(module->import_table(), sizeof(IMPORT_TABLE)));
  EXPECT_TRUE(module->contains(module->linkage(), sizeof(LINKAGE_HEAD)));
  EXPECT_TRUE(module->contains(base, 1));
  EXPECT_FALSE(module->contains(reinterpret_cast<const void*>(module->base_address() - 1), 1));
  const int on_the_stack = 0;
  EXPECT_FALSE(module->contains(&on_the_stack, sizeof on_the_stack));
  // A range that starts inside but runs past the image's end.
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, base, sizeof dos);
  IMAGE_NT_HEADERS nt;
  std::memcpy(&nt, base + dos.e_lfanew, sizeof nt);
  const unsigned char* last = base + nt.OptionalHeader.SizeOfImage - 1;
  EXPECT_TRUE(module->contains(last, 1));
  EXPECT_FALSE(module->contains(last, 2));
}

}  // namespace
}  // namespace conformance
