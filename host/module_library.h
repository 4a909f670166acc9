// A gauge module loaded the way the simulator loads one: as a library whose
// two exported records the host reads, and whose resources travel inside the
// file. This is the thin platform layer of the host: dlopen and an ELF
// resource section on Linux, LoadLibrary and resources on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gauge_records.h"

namespace panelhost {

// Every failure to load or read a module names the file and what is wrong.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::uint32_t kResourceTypeBitmap = 2;
inline constexpr std::uint32_t kResourceTypeVersion = 16;
inline constexpr std::uint32_t kLanguageEnglishUS = 0x0409;

class ModuleLibrary {
 public:
  // Loads the module at `path` and finds its records; throws ModuleError.
  static std::unique_ptr<ModuleLibrary> open(const std::filesystem::path& path);
  virtual ~ModuleLibrary() = default;

  const std::filesystem::path& path() const { return path_; }
  // The module name as the panel names it: the file name without ".gau".
  std::string name() const { return path_.stem().string(); }

  IMPORT_TABLE* import_table() const { return import_table_; }
  LINKAGE_HEAD* linkage() const { return linkage_; }
  GAUGEHDR* const* gauge_table() const {
    return reinterpret_cast<GAUGEHDR* const*>(reinterpret_cast<const unsigned char*>(linkage_) +
                                              kLinkageGaugeTableOffset);
  }

  // A resource's bytes as the module carries it (a bitmap without its file
  // header), or nothing if the module lacks it.
  virtual std::optional<std::vector<unsigned char>> resource(std::uint32_t type, std::uint32_t id,
                                                             std::uint32_t language = kLanguageEnglishUS) const = 0;

  // Whether [address, address + size) lies inside the module's loaded image,
  // so records read through it cannot point the host into the void.
  virtual bool contains(const void* address, std::size_t size) const = 0;

  // Where the module is loaded, for naming its functions by offset; 0 where
  // the platform layer does not know it.
  std::uintptr_t base_address() const { return base_address_; }

 protected:
  explicit ModuleLibrary(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path path_;
  IMPORT_TABLE* import_table_ = nullptr;
  LINKAGE_HEAD* linkage_ = nullptr;
  std::uintptr_t base_address_ = 0;
};

}  // namespace panelhost
