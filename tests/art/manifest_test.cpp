// Every bitmap both modules carry: present in the manifest with its stated
// size and depth, and stored as the host expects it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "art_support.h"

namespace art_checks {
namespace {

struct Expected {
  const char* module;
  int id;
  int width;
  int height;
  int bits;
};

// The stated size and depth of every bitmap, in manifest order.
constexpr const char* VT = "Velmar_Tavrin";
constexpr const char* QD = "quadrant";
constexpr Expected kExpected[] = {
    // module id      w    h    bits
    {VT, 0x1000, 128, 128, 8},  {VT, 0x1100, 44, 8, 8},     {VT, 0x1200, 44, 8, 8},
    {VT, 0x1300, 128, 128, 8},  {VT, 0x1400, 128, 128, 8},  {VT, 0x1500, 128, 128, 8},
    {VT, 0x1501, 128, 128, 8},  {VT, 0x1502, 128, 128, 8},  {VT, 0x1503, 128, 128, 8},
    {VT, 0x1600, 128, 128, 8},  {VT, 0x1700, 128, 128, 8},  {VT, 0x1701, 128, 128, 8},
    {VT, 0x1800, 128, 128, 24}, {VT, 0x1900, 64, 9, 8},     {VT, 0x1A00, 128, 128, 8},
    {VT, 0x1B00, 52, 8, 8},     {VT, 0x1B01, 128, 128, 8},  {VT, 0x1C00, 128, 128, 24},
    {VT, 0x1D00, 128, 128, 8},  {VT, 0x1D01, 128, 128, 8},  {VT, 0x1E00, 128, 128, 8},
    {VT, 0x1F00, 128, 128, 24}, {VT, 0x2000, 52, 8, 8},     {VT, 0x2100, 128, 128, 8},
    {VT, 0x2300, 52, 8, 8},     {VT, 0x2400, 128, 128, 8},  {VT, 0x2500, 128, 128, 24},
    {VT, 0x2600, 52, 4, 8},     {VT, 0x2700, 128, 128, 24}, {VT, 0x2800, 128, 128, 24},
    {VT, 0x2900, 52, 4, 8},     {VT, 0x2A00, 128, 128, 24}, {VT, 0x2B00, 128, 128, 24},
    {VT, 0x2C00, 52, 4, 8},     {VT, 0x2D00, 128, 128, 24}, {VT, 0x2E00, 128, 128, 24},
    {VT, 0x2F00, 52, 4, 8},     {VT, 0x3000, 128, 128, 24}, {VT, 0x3100, 128, 128, 8},
    {VT, 0x3200, 128, 128, 24}, {VT, 0x3300, 128, 128, 8},  {VT, 0x3400, 114, 124, 8},
    {VT, 0x3500, 592, 18, 8},   {VT, 0x3501, 17, 14, 8},    {VT, 0x3600, 58, 21, 8},
    {VT, 0x3700, 128, 128, 8},  {VT, 0x3800, 128, 128, 8},  {VT, 0x3900, 128, 128, 8},
    {VT, 0x3A00, 128, 128, 8},  {VT, 0x3B00, 75, 75, 8},    {VT, 0x3C00, 41, 11, 8},
    {VT, 0x3D00, 27, 9, 8},     {VT, 0x3E00, 128, 128, 8},  {VT, 0x3F00, 120, 210, 8},
    {VT, 0x3F01, 120, 102, 8},  {VT, 0x4000, 69, 210, 8},   {VT, 0x4001, 69, 102, 8},
    {VT, 0x4100, 17, 210, 8},   {VT, 0x4101, 17, 102, 8},   {VT, 0x4200, 128, 128, 8},
    {VT, 0x4300, 128, 128, 8},  {VT, 0x4400, 37, 8, 8},     {VT, 0x4500, 128, 128, 8},
    {VT, 0x4600, 37, 8, 8},     {VT, 0x4700, 128, 128, 8},  {VT, 0x4800, 37, 8, 8},
    {VT, 0x4900, 128, 128, 8},  {VT, 0x4A00, 37, 8, 8},     {VT, 0x4B00, 128, 128, 8},
    {VT, 0x4C00, 51, 17, 8},    {VT, 0x4D00, 128, 128, 8},  {VT, 0x4E00, 51, 17, 8},
    {VT, 0x4F00, 128, 128, 8},  {VT, 0x5000, 90, 14, 8},    {VT, 0x5100, 86, 11, 8},
    {VT, 0x5200, 115, 143, 8},  {VT, 0x5300, 336, 26, 8},   {VT, 0x5301, 70, 34, 8},
    {VT, 0x5400, 19, 19, 24},   {VT, 0x5500, 19, 19, 24},   {VT, 0x5600, 19, 19, 24},
    {VT, 0x5700, 208, 64, 8},   {VT, 0x5800, 208, 64, 8},   {VT, 0x5801, 208, 64, 8},
    {VT, 0x5802, 208, 64, 8},   {VT, 0x5803, 208, 64, 8},   {VT, 0x5900, 208, 64, 8},
    {VT, 0x5A00, 208, 64, 8},   {VT, 0x5A01, 208, 64, 8},   {VT, 0x5A02, 208, 64, 8},
    {VT, 0x5A03, 208, 64, 8},   {VT, 0x5B00, 144, 192, 24}, {VT, 0x5C00, 32, 32, 8},
    {VT, 0x5C01, 32, 32, 8},    {VT, 0x5D00, 64, 64, 8},    {VT, 0x5D01, 64, 64, 8},
    {VT, 0x5E00, 64, 64, 8},    {VT, 0x5E01, 64, 64, 8},    {VT, 0x5F00, 64, 64, 8},
    {VT, 0x5F01, 64, 64, 8},    {VT, 0x6000, 64, 64, 8},    {VT, 0x6001, 64, 64, 8},
    {VT, 0x6100, 32, 32, 8},    {VT, 0x6200, 32, 32, 8},    {VT, 0x6201, 32, 32, 8},
    {VT, 0x6300, 32, 32, 8},    {VT, 0x6400, 32, 32, 8},    {VT, 0x6401, 32, 32, 8},
    {VT, 0x6500, 144, 208, 8},  {VT, 0x6600, 32, 32, 8},    {VT, 0x6601, 32, 32, 8},
    {VT, 0x6700, 64, 64, 8},    {VT, 0x6701, 64, 64, 8},    {VT, 0x6800, 32, 32, 8},
    {VT, 0x6801, 32, 32, 8},    {VT, 0x6900, 256, 41, 8},
    {QD, 1000, 157, 210, 8},    {QD, 1100, 20, 48, 8},      {QD, 1200, 22, 39, 8},
    {QD, 1300, 26, 48, 8},      {QD, 1400, 24, 48, 8},      {QD, 1500, 22, 39, 8},
    {QD, 1600, 19, 48, 8},
};

TEST(Manifest, ListsExactlyTheStatedBitmapsInOrder) {
  const auto rows = read_manifest(resources_dir() + "/bitmaps.csv");
  ASSERT_EQ(rows.size(), std::size(kExpected));
  int velmar = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].file);
    const Expected& e = kExpected[i];
    EXPECT_EQ(rows[i].module, e.module);
    EXPECT_EQ(rows[i].id, e.id);
    EXPECT_EQ(rows[i].width, e.width);
    EXPECT_EQ(rows[i].height, e.height);
    EXPECT_EQ(rows[i].bits, e.bits);
    velmar += rows[i].module == VT ? 1 : 0;
  }
  EXPECT_EQ(velmar, 116);
}

TEST(Manifest, FileNamesCarryModuleAndId) {
  for (const ManifestRow& row : read_manifest(resources_dir() + "/bitmaps.csv")) {
    char prefix[32];
    if (row.module == VT)
      std::snprintf(prefix, sizeof prefix, "Velmar_Tavrin/0x%04X_", static_cast<unsigned>(row.id));
    else
      std::snprintf(prefix, sizeof prefix, "quadrant/%d_", row.id);
    EXPECT_EQ(row.file.rfind(prefix, 0), 0u) << row.file;
    EXPECT_EQ(row.file.substr(row.file.size() - 4), ".bmp") << row.file;
  }
}

TEST(Manifest, EveryFileIsAnUncompressedBitmapOfItsSizeAndDepth) {
  for (const ManifestRow& row : read_manifest(resources_dir() + "/bitmaps.csv")) {
    SCOPED_TRACE(row.file);
    const BmpFile f = read_bmp(resources_dir() + "/" + row.file);
    EXPECT_EQ(f.file_size_field, f.actual_size);
    EXPECT_EQ(f.info_size, 40u);
    EXPECT_EQ(f.width, row.width);
    EXPECT_EQ(f.height, row.height);  // positive: rows stored bottom-up
    EXPECT_EQ(f.planes, 1u);
    EXPECT_EQ(f.bits, row.bits);
    EXPECT_EQ(f.compression, 0u);
    const std::uint32_t stride = (static_cast<std::uint32_t>(row.width * row.bits / 8) + 3u) & ~3u;
    if (row.bits == 8) {
      EXPECT_EQ(f.colours_used, 256u);
      EXPECT_EQ(f.palette.size(), 256u);
      EXPECT_EQ(f.pixel_offset, 14u + 40u + 1024u);
    } else {
      EXPECT_EQ(f.colours_used, 0u);
      EXPECT_EQ(f.pixel_offset, 14u + 40u);
    }
    EXPECT_EQ(f.actual_size, f.pixel_offset + stride * static_cast<std::uint32_t>(row.height));
  }
}

TEST(Manifest, NoFileUnderResourcesIsLeftOut) {
  std::set<std::string> listed;
  for (const ManifestRow& row : read_manifest(resources_dir() + "/bitmaps.csv")) listed.insert(row.file);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(resources_dir())) {
    if (entry.path().extension() != ".bmp") continue;
    const std::string relative = std::filesystem::relative(entry.path(), resources_dir()).generic_string();
    EXPECT_TRUE(listed.count(relative)) << relative << " is not in the manifest";
  }
}

}  // namespace
}  // namespace art_checks
