// One walk over every gauge of both modules: every record the host reads is
// well formed, and every bitmap an element names is in the module and
// decodes.
#include "bitmap.h"
#include "module_fixture.h"
#include "record_check.h"

namespace conformance {
namespace {

std::vector<std::uint32_t> bitmaps_of(const ELEMENT_HEADER* element) {
  switch (element->kind) {
    case ELEMENT_KIND_ICON: {
      const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(element);
      std::vector<std::uint32_t> ids;
      for (std::uint32_t i = 0; i < icon->picture_count; ++i) ids.push_back(element->bitmap_id + i);
      return ids;
    }
    case ELEMENT_KIND_MOVING_IMAGE:
    case ELEMENT_KIND_SPRITE: return {element->bitmap_id, element->bitmap_id + 1};
    default: return {element->bitmap_id};
  }
}

class ValidityTest : public ModuleTest, public testing::WithParamInterface<const char*> {};

TEST_P(ValidityTest, EveryGaugeIsWellFormed) {
  panelhost::ModuleLibrary& module = load(GetParam());
  const std::vector<GAUGEHDR*> gauges = panelhost::check_gauge_table(module);
  for (GAUGEHDR* header : gauges) {
    SCOPED_TRACE(header->gauge_name);
    panelhost::GaugeInstance& gauge = host.install(module, header->gauge_name);
    EXPECT_FALSE(gauge.mouse_rows().empty());
    for (const panelhost::ElementNode& node : gauge.elements()) {
      const ELEMENT_HEADER* element = node.element;
      EXPECT_EQ(element->gauge_header, header);
      for (const std::uint32_t id : bitmaps_of(element)) {
        SCOPED_TRACE(panelhost::bitmap_name(id));
        const auto bytes = module.resource(panelhost::kResourceTypeBitmap, id);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_NO_THROW(panelhost::decode_bitmap(*bytes, panelhost::bitmap_name(id)));
      }
      if (element->kind == ELEMENT_KIND_NEEDLE) {
        const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(element);
        EXPECT_GE(needle->nonlinearity_rows, 2u);
        for (std::uint32_t row = 0; row < needle->nonlinearity_rows; ++row)
          EXPECT_EQ(conformance::bits(needle->nonlinearity[row].degrees), 0u);
      }
    }
    host.update(gauge);
  }
}

INSTANTIATE_TEST_SUITE_P(BothModules, ValidityTest, testing::Values("Velmar_Tavrin", "quadrant"));

}  // namespace
}  // namespace conformance
