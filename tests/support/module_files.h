// Where test programs find modules: they are built next to the programs.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

// The folder of the running test program.
std::filesystem::path program_dir();

// A module file by its name, beside the running program.
inline std::filesystem::path module_path(const std::string& module_name) {
  return program_dir() / (module_name + ".gau");
}

}  // namespace test_support
