// Loading a gauge module on Linux: dlopen, the two records by dlsym, and the
// resources from the module's ".gauge_resources" section, read with libelf
// from the file that was loaded.
#include <dlfcn.h>
#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <tuple>

#include "module_library.h"

namespace panelhost {
namespace {

constexpr char kResourceSection[] = ".gauge_resources";
constexpr char kResourceMagic[8] = {'G', 'A', 'U', 'G', 'E', 'R', 'E', 'S'};

struct Range {
  std::uintptr_t begin;
  std::uintptr_t end;
};

using ResourceKey = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;

std::uint32_t read_u32(const unsigned char* at) {
  std::uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The resource section's bytes, or empty if the file has none.
std::vector<unsigned char> read_resource_section(const std::filesystem::path& path) {
  if (elf_version(EV_CURRENT) == EV_NONE) throw ModuleError(path.string() + ": libelf is unusable");
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw ModuleError(path.string() + ": cannot open: " + std::strerror(errno));
  std::unique_ptr<Elf, int (*)(Elf*)> elf(elf_begin(fd.get(), ELF_C_READ, nullptr), elf_end);
  if (!elf || elf_kind(elf.get()) != ELF_K_ELF) throw ModuleError(path.string() + ": not an ELF file");
  std::size_t names_index = 0;
  if (elf_getshdrstrndx(elf.get(), &names_index) != 0) throw ModuleError(path.string() + ": no section names");
  for (Elf_Scn* section = elf_nextscn(elf.get(), nullptr); section; section = elf_nextscn(elf.get(), section)) {
    GElf_Shdr header;
    if (!gelf_getshdr(section, &header)) continue;
    const char* name = elf_strptr(elf.get(), names_index, header.sh_name);
    if (!name || std::strcmp(name, kResourceSection) != 0) continue;
    Elf_Data* data = elf_getdata(section, nullptr);
    if (!data || !data->d_buf) return {};
    const auto* bytes = static_cast<const unsigned char*>(data->d_buf);
    return {bytes, bytes + data->d_size};
  }
  return {};
}

// Index rows: type, id, language, offset from the section start, size.
std::map<ResourceKey, std::vector<unsigned char>> parse_resources(const std::filesystem::path& path,
                                                                  const std::vector<unsigned char>& section) {
  std::map<ResourceKey, std::vector<unsigned char>> resources;
  if (section.empty()) return resources;
  constexpr std::size_t kHeader = sizeof kResourceMagic + 8;
  constexpr std::size_t kRow = 20;
  const auto bad = [&](const std::string& what) {
    return ModuleError(path.string() + ": resource section " + kResourceSection + " " + what);
  };
  if (section.size() < kHeader || std::memcmp(section.data(), kResourceMagic, sizeof kResourceMagic) != 0)
    throw bad("has no valid header");
  const std::uint32_t count = read_u32(section.data() + 12);
  if (count > (section.size() - kHeader) / kRow) throw bad("index runs past its end");
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* row = section.data() + kHeader + i * kRow;
    const std::uint32_t offset = read_u32(row + 12);
    const std::uint32_t size = read_u32(row + 16);
    if (offset > section.size() || size > section.size() - offset)
      throw bad("entry " + std::to_string(i) + " lies outside the section");
    resources[{read_u32(row), read_u32(row + 4), read_u32(row + 8)}] =
        std::vector<unsigned char>(section.begin() + offset, section.begin() + offset + size);
  }
  return resources;
}

class PosixModuleLibrary final : public ModuleLibrary {
 public:
  explicit PosixModuleLibrary(std::filesystem::path path) : ModuleLibrary(std::move(path)) {
    if (!std::filesystem::exists(path_)) throw ModuleError(path_.string() + ": no such file");
    resources_ = parse_resources(path_, read_resource_section(path_));
    handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw ModuleError(path_.string() + ": cannot load: " + ::dlerror());
    import_table_ = static_cast<IMPORT_TABLE*>(symbol("ImportTable"));
    linkage_ = static_cast<LINKAGE_HEAD*>(symbol("Linkage"));
    collect_ranges();
  }

  ~PosixModuleLibrary() override {
    if (handle_) ::dlclose(handle_);
  }

  std::optional<std::vector<unsigned char>> resource(std::uint32_t type, std::uint32_t id,
                                                     std::uint32_t language) const override {
    const auto found = resources_.find({type, id, language});
    if (found == resources_.end()) return std::nullopt;
    return found->second;
  }

  bool contains(const void* address, std::size_t size) const override {
    const auto begin = reinterpret_cast<std::uintptr_t>(address);
    for (const Range& range : ranges_) {
      if (begin >= range.begin && begin <= range.end && size <= range.end - begin) return true;
    }
    return false;
  }

 private:
  void* symbol(const char* name) {
    ::dlerror();
    void* address = ::dlsym(handle_, name);
    if (!address) {
      const std::string reason = path_.string() + ": not a gauge module: it does not export " + name;
      ::dlclose(handle_);
      handle_ = nullptr;
      throw ModuleError(reason);
    }
    return address;
  }

  // The loaded segments of this library, found through the symbol it exports.
  void collect_ranges() {
    Dl_info info{};
    if (!::dladdr(linkage_, &info) || !info.dli_fbase) return;
    base_address_ = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    struct Search {
      const void* base;
      std::vector<Range>* ranges;
    } search{info.dli_fbase, &ranges_};
    ::dl_iterate_phdr(
        [](dl_phdr_info* object, std::size_t, void* data) {
          auto* wanted = static_cast<Search*>(data);
          bool match = false;
          for (int i = 0; i < object->dlpi_phnum; ++i) {
            const ElfW(Phdr)& segment = object->dlpi_phdr[i];
            if (segment.p_type != PT_LOAD) continue;
            const std::uintptr_t begin = object->dlpi_addr + segment.p_vaddr;
            if (segment.p_offset == 0 && reinterpret_cast<const void*>(begin) == wanted->base) match = true;
          }
          if (!match) return 0;
          for (int i = 0; i < object->dlpi_phnum; ++i) {
            const ElfW(Phdr)& segment = object->dlpi_phdr[i];
            if (segment.p_type != PT_LOAD) continue;
            const std::uintptr_t begin = object->dlpi_addr + segment.p_vaddr;
            wanted->ranges->push_back({begin, begin + segment.p_memsz});
          }
          return 1;
        },
        &search);
  }

  void* handle_ = nullptr;
  std::map<ResourceKey, std::vector<unsigned char>> resources_;
  std::vector<Range> ranges_;
};

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path) {
  return std::make_unique<PosixModuleLibrary>(path);
}

}  // namespace panelhost
