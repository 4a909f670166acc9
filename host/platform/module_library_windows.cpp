// Loading a gauge module on Windows, as the simulator does: LoadLibraryW, the
// two records by GetProcAddress, the resources through FindResourceExW at the
// asked language, and the extent of the loaded image from its own PE headers.
#include <windows.h>

#include <bit>
#include <cstring>

#include "module_library.h"

namespace panelhost {
namespace {

// Paths in messages as UTF-8, whatever the process's code page.
std::string display(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// The system's text for an error code, without its trailing line break.
std::string error_text(DWORD code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length ? std::string(buffer, length) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  if (text.empty()) text = "system error";
  return text + " (error " + std::to_string(code) + ")";
}

class WindowsModuleLibrary final : public ModuleLibrary {
 public:
  explicit WindowsModuleLibrary(std::filesystem::path path) : ModuleLibrary(std::move(path)) {
    if (!std::filesystem::exists(path_)) throw ModuleError(display(path_) + ": no such file");
    // No "cannot find DLL" boxes: a failed load is reported to the caller.
    const UINT previous_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    handle_ = LoadLibraryW(std::filesystem::absolute(path_).c_str());
    const DWORD load_error = GetLastError();
    SetErrorMode(previous_mode);
    if (!handle_) throw ModuleError(display(path_) + ": cannot load: " + error_text(load_error));
    base_address_ = reinterpret_cast<std::uintptr_t>(handle_);
    image_size_ = loaded_image_size();
    import_table_ = static_cast<IMPORT_TABLE*>(symbol("ImportTable"));
    linkage_ = static_cast<LINKAGE_HEAD*>(symbol("Linkage"));
  }

  ~WindowsModuleLibrary() override {
    if (handle_) FreeLibrary(handle_);
  }

  WindowsModuleLibrary(const WindowsModuleLibrary&) = delete;
  WindowsModuleLibrary& operator=(const WindowsModuleLibrary&) = delete;

  std::optional<std::vector<unsigned char>> resource(std::uint32_t type, std::uint32_t id,
                                                     std::uint32_t language) const override {
    // Resource types, ids and languages are 16-bit numbers on Windows.
    if (type > 0xFFFF || id > 0xFFFF || language > 0xFFFF) return std::nullopt;
    HRSRC found = FindResourceExW(handle_, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), static_cast<WORD>(language));
    if (!found) return std::nullopt;
    const DWORD size = SizeofResource(handle_, found);
    HGLOBAL loaded = LoadResource(handle_, found);
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!bytes) throw ModuleError(display(path_) + ": cannot read resource " + std::to_string(id) + ": " +
                                  error_text(GetLastError()));
    return std::vector<unsigned char>(bytes, bytes + size);
  }

  bool contains(const void* address, std::size_t size) const override {
    const auto begin = reinterpret_cast<std::uintptr_t>(address);
    const std::uintptr_t end = base_address_ + image_size_;
    return begin >= base_address_ && begin <= end && size <= end - begin;
  }

 private:
  void* symbol(const char* name) {
    const FARPROC address = GetProcAddress(handle_, name);
    if (!address) {
      const std::string reason = display(path_) + ": not a gauge module: it does not export " + name;
      FreeLibrary(handle_);
      handle_ = nullptr;
      throw ModuleError(reason);
    }
    // The exports are data; GetProcAddress hands every export out typed as a
    // function.
    return std::bit_cast<void*>(address);
  }

  // SizeOfImage from the PE headers the loader mapped at the module's base:
  // the whole image, headers and every section, as loaded.
  std::size_t loaded_image_size() const {
    const auto* base = reinterpret_cast<const unsigned char*>(handle_);
    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, base, sizeof dos);
    IMAGE_NT_HEADERS nt;
    std::memcpy(&nt, base + dos.e_lfanew, sizeof nt);
    return nt.OptionalHeader.SizeOfImage;
  }

  HMODULE handle_ = nullptr;
  std::size_t image_size_ = 0;
};

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path) {
  return std::make_unique<WindowsModuleLibrary>(path);
}

}  // namespace panelhost
