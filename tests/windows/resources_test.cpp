// The modules' resources as the Windows loader hands them out: every bitmap of
// the manifest, read back at U.S. English through the host's loading layer
// (FindResourceExW), is its source file without the 14-byte file header; the
// module holds no other bitmap and no other language; and the version block
// reads back through GetFileVersionInfoW/VerQueryValueW as the version file
// gives it. Compiled into the Windows conformance runner only.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "module_fixture.h"

namespace conformance {
namespace {

// Where the manifest and the bitmap files are, as the test program sees the
// build machine's file system.
const std::filesystem::path kResources = GAUGE_RESOURCES_DIR;

constexpr std::size_t kBitmapFileHeader = 14;

std::vector<unsigned char> file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read " << path.string();
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Manifest rows of one module: bitmap id -> source file.
std::map<std::uint32_t, std::filesystem::path> manifest_bitmaps(const std::string& module_name) {
  std::map<std::uint32_t, std::filesystem::path> bitmaps;
  std::ifstream in(kResources / "bitmaps.csv");
  if (!in) ADD_FAILURE() << "cannot read " << (kResources / "bitmaps.csv").string();
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream row(line);
    std::string module, id, file;
    if (!std::getline(row, module, ',') || !std::getline(row, id, ',') || !std::getline(row, file, ',')) continue;
    if (module == module_name) bitmaps[static_cast<std::uint32_t>(std::stoul(id))] = kResources / file;
  }
  return bitmaps;
}

// The version file's "key=value" rows, comments and blank lines skipped.
std::map<std::string, std::string> version_file(const std::string& module_name) {
  std::map<std::string, std::string> rows;
  std::ifstream in(kResources / (module_name + ".version"));
  if (!in) ADD_FAILURE() << "cannot read the version file of " << module_name;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string::npos) continue;
    rows[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return rows;
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (const wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

std::wstring widen(const std::string& text) { return {text.begin(), text.end()}; }

// The loaded module's handle, found from one of its exported records.
HMODULE module_handle(const panelhost::ModuleLibrary& module) {
  HMODULE handle = nullptr;
  EXPECT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 reinterpret_cast<LPCWSTR>(module.linkage()), &handle));
  return handle;
}

BOOL CALLBACK collect_name(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  auto* ids = reinterpret_cast<std::set<std::uint32_t>*>(out);
  // A named (string) resource would not be a numbered bitmap: record it as
  // an id no manifest row holds.
  ids->insert(IS_INTRESOURCE(name) ? static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(name)) : 0xFFFFFFFFu);
  return TRUE;
}

BOOL CALLBACK collect_language(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR out) {
  reinterpret_cast<std::set<WORD>*>(out)->insert(language);
  return TRUE;
}

// The module file's version block, read the way Explorer reads it.
class VersionInfo {
 public:
  explicit VersionInfo(const std::filesystem::path& path) {
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    EXPECT_NE(size, 0u) << path.string() << " has no readable version block";
    block_.resize(size);
    if (size) {
      EXPECT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block_.data()));
    }
  }

  const void* query(const std::wstring& what, UINT* length) const {
    void* value = nullptr;
    *length = 0;
    if (block_.empty() || !VerQueryValueW(block_.data(), what.c_str(), &value, length)) return nullptr;
    return value;
  }

  std::optional<std::string> string(const std::string& key) const {
    UINT length = 0;
    const auto* text = static_cast<const wchar_t*>(query(L"\\StringFileInfo\\040904b0\\" + widen(key), &length));
    if (!text) return std::nullopt;
    return narrow(std::wstring(text, wcsnlen(text, length)));
  }

 private:
  std::vector<unsigned char> block_;
};

class WindowsResourcesTest : public ModuleTest, public testing::WithParamInterface<const char*> {};

TEST_P(WindowsResourcesTest, EveryBitmapReadsBackAsItsFileWithoutTheFileHeader) {
  panelhost::ModuleLibrary& module = load(GetParam());
  const auto bitmaps = manifest_bitmaps(GetParam());
  ASSERT_FALSE(bitmaps.empty()) << "the manifest lists no bitmap of " << GetParam();
  for (const auto& [id, file] : bitmaps) {
    SCOPED_TRACE(file.string());
    const std::vector<unsigned char> source = file_bytes(file);
    ASSERT_GT(source.size(), kBitmapFileHeader);
    const auto resource = module.resource(panelhost::kResourceTypeBitmap, id, panelhost::kLanguageEnglishUS);
    ASSERT_TRUE(resource.has_value()) << "bitmap " << id << " is not a U.S. English resource";
    EXPECT_TRUE(std::equal(resource->begin(), resource->end(), source.begin() + kBitmapFileHeader, source.end()))
        << "bitmap " << id << " differs from its file (" << resource->size() << " bytes, file "
        << source.size() - kBitmapFileHeader << " after its header)";
  }
}

TEST_P(WindowsResourcesTest, ModuleHoldsExactlyTheManifestsBitmapsInUSEnglishOnly) {
  panelhost::ModuleLibrary& module = load(GetParam());
  const HMODULE handle = module_handle(module);
  std::set<std::uint32_t> found;
  EnumResourceNamesW(handle, MAKEINTRESOURCEW(2), collect_name, reinterpret_cast<LONG_PTR>(&found));
  std::set<std::uint32_t> expected;
  for (const auto& row : manifest_bitmaps(GetParam())) expected.insert(row.first);
  EXPECT_EQ(found, expected);
  for (const std::uint32_t id : found) {
    std::set<WORD> languages;
    EnumResourceLanguagesW(handle, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(id), collect_language,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, std::set<WORD>{0x0409}) << "bitmap " << id;
  }
}

TEST_P(WindowsResourcesTest, UnknownIdsTypesAndLanguagesAreAbsentNotErrors) {
  panelhost::ModuleLibrary& module = load(GetParam());
  const std::uint32_t first = manifest_bitmaps(GetParam()).begin()->first;
  const struct {
    std::uint32_t type, id, language;
  } absent[] = {
      {panelhost::kResourceTypeBitmap, 1, 0x0409},        // below every bitmap id
      {panelhost::kResourceTypeBitmap, 0xFFFF, 0x0409},   // above every bitmap id
      {panelhost::kResourceTypeBitmap, 0x10000, 0x0409},  // not a resource number at all
      {3, first, 0x0409},                                 // an icon, not a bitmap
      {panelhost::kResourceTypeBitmap, first, 0x0407},    // German: no such language
  };
  for (const auto& row : absent) {
    EXPECT_FALSE(module.resource(row.type, row.id, row.language).has_value())
        << "type " << row.type << ", id " << row.id << ", language " << row.language;
  }
}

TEST_P(WindowsResourcesTest, FixedVersionNumbersAreOneZeroZeroZero) {
  load(GetParam());
  const VersionInfo info(module_path(GetParam()));
  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(info.query(L"\\", &length));
  ASSERT_NE(fixed, nullptr);
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

  const auto* translation = static_cast<const WORD*>(info.query(L"\\VarFileInfo\\Translation", &length));
  ASSERT_NE(translation, nullptr);
  ASSERT_EQ(length, 4u) << "exactly one language and code page";
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);
}

TEST_P(WindowsResourcesTest, VersionStringsAreThoseOfTheVersionFile) {
  load(GetParam());
  const VersionInfo info(module_path(GetParam()));
  const auto rows = version_file(GetParam());
  ASSERT_FALSE(rows.empty());
  for (const auto& [key, value] : rows) {
    if (key == "FILEVERSION" || key == "PRODUCTVERSION") continue;
    EXPECT_EQ(info.string(key), value) << key;
  }
}

INSTANTIATE_TEST_SUITE_P(BothModules, WindowsResourcesTest, testing::Values("Velmar_Tavrin", "quadrant"));

// The strings the simulator and the installer rely on, whatever the version
// files say besides.
TEST(WindowsVersionStrings, RequiredStringsAreThere) {
  const struct {
    const char* module;
    const char* key;
    const char* value;
  } required[] = {
      {"Velmar_Tavrin", "FileVersion", "1.0.0"},
      {"Velmar_Tavrin", "ProductVersion", "1.0.0"},
      {"quadrant", "FileVersion", "1.0.0"},
      {"quadrant", "ProductVersion", "1.0.0"},
      {"quadrant", "ProductName", "Engine Controls"},
      {"quadrant", "FileDescription", "Flight Simulator Gauge"},
  };
  for (const auto& row : required) {
    const VersionInfo info(module_path(row.module));
    EXPECT_EQ(info.string(row.key), std::string(row.value)) << row.module << " " << row.key;
  }
}

}  // namespace
}  // namespace conformance
