// The module frame of Velmar_Tavrin as the host sees it: the exported
// records, the gauge table, the headers and the standard routines.
#include <cstring>

#include "module_fixture.h"

namespace conformance {
namespace {

using panelhost::ModuleLibrary;

struct GaugeRow {
  std::size_t position;
  const char* name;
  std::uint32_t width_mm;
};

// The gauges built so far, at their fixed positions.
constexpr GaugeRow kVelmarGauges[] = {
    {0, "Fuel", 128},
    {1, "Fuel Tank Switch", 128},
};

TEST(ModuleFrame, ImportTableIsUnfilledUntilTheHostLoadsTheModule) {
  const auto module = ModuleLibrary::open(module_path("Velmar_Tavrin"));
  const IMPORT_TABLE* imports = module->import_table();
  EXPECT_EQ(imports->panels.id, 0x0Fu);
  EXPECT_EQ(imports->panels.pointer, nullptr);
  EXPECT_EQ(imports->end.id, 0u);
  EXPECT_EQ(imports->end.pointer, nullptr);
}

TEST_F(ModuleTest, HostWritesItsServiceTableIntoImportTable) {
  ModuleLibrary& module = load("Velmar_Tavrin");
  EXPECT_EQ(module.import_table()->panels.pointer, &host.services());
  EXPECT_EQ(module.import_table()->end.pointer, nullptr);
}

TEST_F(ModuleTest, LinkageHoldsTheModuleFieldsAndTheGaugeTable) {
  ModuleLibrary& module = load("Velmar_Tavrin");
  const LINKAGE_HEAD* linkage = module.linkage();
  EXPECT_EQ(linkage->module_id, 0x13u);
  EXPECT_NE(linkage->module_init, nullptr);
  EXPECT_NE(linkage->module_deinit, nullptr);
  linkage->module_init();  // does nothing, calls nothing
  linkage->module_deinit();
  EXPECT_TRUE(host.service_calls().empty());
  EXPECT_EQ(linkage->flags, 0u);
  EXPECT_EQ(linkage->priority, 0u);
  EXPECT_EQ(linkage->version, 0u);

  GAUGEHDR* const* table = module.gauge_table();
  for (const GaugeRow& row : kVelmarGauges) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(table[row.position], nullptr);
    EXPECT_STREQ(table[row.position]->gauge_name, row.name);
    EXPECT_EQ(table[row.position]->default_width_mm, row.width_mm);
  }
  EXPECT_EQ(table[std::size(kVelmarGauges)], nullptr);
}

TEST_F(ModuleTest, EveryHeaderIsVersion700WithTheSameSevenRoutines) {
  ModuleLibrary& module = load("Velmar_Tavrin");
  GAUGEHDR* const* table = module.gauge_table();
  const GAUGEHDR* first = table[0];
  for (std::size_t i = 0; table[i]; ++i) {
    const GAUGEHDR* gauge = table[i];
    SCOPED_TRACE(gauge->gauge_name);
    EXPECT_EQ(gauge->header_version, 700u);
    EXPECT_EQ(gauge->query_routine, first->query_routine);
    EXPECT_EQ(gauge->install_routine, first->install_routine);
    EXPECT_EQ(gauge->initialize_routine, first->initialize_routine);
    EXPECT_EQ(gauge->update_routine, first->update_routine);
    EXPECT_EQ(gauge->generate_routine, first->generate_routine);
    EXPECT_EQ(gauge->draw_routine, first->draw_routine);
    EXPECT_EQ(gauge->kill_routine, first->kill_routine);
    EXPECT_NE(gauge->mouse_rect, nullptr);
    EXPECT_EQ(gauge->host_reserved, nullptr);
    ASSERT_NE(gauge->element_list, nullptr);
    EXPECT_EQ(gauge->element_list[0]->kind, ELEMENT_KIND_STATIC_IMAGE);
  }
}

// The standard routines know no gauge: whichever header they are called
// through, they forward the root element of the gauge at position 0, with
// the routine's argument where it has one.
TEST_F(ModuleTest, StandardRoutinesForwardTheFirstGaugesRoot) {
  panelhost::GaugeInstance& fuel = install("Velmar_Tavrin", "Fuel");
  install("Velmar_Tavrin", "Fuel Tank Switch");
  const ELEMENT_HEADER* fuel_root = fuel.elements().front().element;
  const GAUGEHDR* other = load("Velmar_Tavrin").gauge_table()[1];
  const std::size_t before = host.service_calls().size();
  other->query_routine();
  other->initialize_routine();
  other->update_routine();
  other->generate_routine(0xABCD);
  other->draw_routine();
  other->install_routine(0x1234);
  const auto& calls = host.service_calls();
  ASSERT_EQ(calls.size(), before + 6);
  const char* expected[] = {"element_list_query", "element_list_initialize", "element_list_update",
                            "element_list_generate", "element_list_plot", "element_list_install"};
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(expected[i]);
    EXPECT_EQ(calls[before + i].service, expected[i]);
    ASSERT_EQ(calls[before + i].records.size(), 1u);
    EXPECT_EQ(calls[before + i].records[0], fuel_root);
  }
  EXPECT_EQ(calls[before + 3].argument, 0xABCDu);
  EXPECT_EQ(calls[before + 5].argument, 0x1234u);
  other->kill_routine();
  EXPECT_EQ(host.service_calls().back().service, "element_list_kill");
  EXPECT_EQ(host.service_calls().back().records[0], fuel_root);
}

// Routines and handlers that run before the host has filled ImportTable skip
// their service calls instead of following a null table.
TEST(ModuleFrame, RoutinesAndHandlersWithoutAHostCallNothing) {
  const auto module = ModuleLibrary::open(module_path("Velmar_Tavrin"));
  ASSERT_EQ(module->import_table()->panels.pointer, nullptr);
  GAUGEHDR* const* table = module->gauge_table();
  table[0]->query_routine();
  table[0]->install_routine(0);
  table[0]->update_routine();
  table[0]->kill_routine();
  for (std::size_t i = 0; table[i]; ++i) {
    for (MOUSERECT* row = table[i]->mouse_rect; row->kind != MOUSE_RECT_EOL; ++row) {
      if (!row->handler) continue;
      PIXPOINT point{1, 1};
      EXPECT_EQ(row->handler(&point, row->mouse_flags), 1) << table[i]->gauge_name;
    }
  }
}

}  // namespace
}  // namespace conformance
