// The committed art is exactly what the generator draws: run it into a
// scratch directory and compare every file byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "art_support.h"

namespace art_checks {
namespace {

TEST(Regeneration, GeneratorRedrawsTheCommittedFilesByteForByte) {
  namespace fs = std::filesystem;
  const fs::path scratch = fs::temp_directory_path() / ("artgen_check_" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  const std::string command = std::string("\"") + ARTGEN_EXE + "\" --out \"" + scratch.string() +
                              "\" --contact-sheet \"" + (scratch / "sheet.png").string() + "\" > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  EXPECT_EQ(read_bytes((scratch / "bitmaps.csv").string()), read_bytes(resources_dir() + "/bitmaps.csv"))
      << "the manifest differs: run the generator (target `art`) and commit resources/";
  int differing = 0;
  for (const ManifestRow& row : read_manifest(resources_dir() + "/bitmaps.csv")) {
    const bool same = read_bytes((scratch / row.file).string()) == read_bytes(resources_dir() + "/" + row.file);
    EXPECT_TRUE(same) << row.file << " differs from what the generator draws";
    differing += same ? 0 : 1;
  }
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(fs::exists(scratch / "sheet.png"));
  fs::remove_all(scratch);
}

}  // namespace
}  // namespace art_checks
