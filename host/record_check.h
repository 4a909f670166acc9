// Walking a module's records without trusting them.
//
// The host reads the module's records through raw pointers, so before it
// installs a gauge it walks everything that gauge reaches and checks it: every
// pointer lands inside the module's loaded image, every list ends within a
// sane bound, every element kind is one the host knows, every mouse table is
// well nested. A malformed module is reported, never followed into a crash.
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "gauge_records.h"
#include "module_library.h"

namespace panelhost {

class RecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bounds on lists whose end the host looks for; real gauges stay far below.
inline constexpr std::size_t kMaxGauges = 1024;
inline constexpr std::size_t kMaxChildren = 64;
inline constexpr std::size_t kMaxElements = 256;
inline constexpr std::size_t kMaxMouseRows = 1024;
inline constexpr std::size_t kMaxFailureRows = 64;
inline constexpr std::size_t kMaxNameLength = 256;
inline constexpr std::uint32_t kMaxNonlinearityRows = 64;

// One element of a gauge's tree, in drawing order (each element before its
// children, children in list order).
struct ElementNode {
  ELEMENT_HEADER* element;
  std::size_t parent;  // index of the parent node; npos for the root
  std::size_t depth;
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
};

const char* element_kind_name(std::uint32_t kind);

// The gauge table up to its null; throws RecordError naming the module.
std::vector<GAUGEHDR*> check_gauge_table(const ModuleLibrary& module);

// The gauge's name, checked to be a terminated string inside the module.
std::string check_gauge_name(const ModuleLibrary& module, const GAUGEHDR* gauge, std::size_t position);

// Every element the gauge's root reaches, in drawing order.
std::vector<ElementNode> check_elements(const ModuleLibrary& module, const GAUGEHDR* gauge, const std::string& where);

// A mouse table's rows up to and including its end-of-table row.
std::span<MOUSERECT> check_mouse_table(const ModuleLibrary& module, MOUSERECT* table, const std::string& where);

// A failure table's rows, without its terminating row.
std::span<FAILURE_RECORD> check_failure_table(const ModuleLibrary& module, FAILURE_RECORD* table,
                                              const std::string& where);

}  // namespace panelhost
