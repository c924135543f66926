// The panel services the host hands the module: the table's place and its
// hand-over through ImportTable before the load hook runs, LookupVariable,
// the element services with their call log, the slots the host does not
// provide, and the unload hook.
#include <gtest/gtest.h>

#include <string>

#include "panel/error.h"
#include "panel/format.h"
#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

namespace L = panel::layout;
using panel::ElementService;
using panel::GaugeRoutine;

double variable_value(Panel& panel, Address variable) {
    return panel.runtime().read_f64(variable + L::variable::kValue);
}

TEST(PanelServices, TableIsHandedOverBeforeTheLoadHookRuns) {
    auto panel = open_fixture("lifecycle");
    panel::ModuleRuntime& rt = panel->runtime();
    const Address table = panel->services().address();
    EXPECT_EQ(rt.read_u32(panel->module().import_table + L::import_table::kServices), table);
    EXPECT_FALSE(rt.in_image(table)) << "the table is host memory";
    // The load hook looked up its marker through the table.
    ASSERT_EQ(panel->services().lookups().size(), 1u);
    EXPECT_EQ(rt.read_u32(panel->services().lookups()[0] + L::variable::kToken), 0x10ADu);
}

TEST(PanelServices, UnloadHookRunsOnceAtClose) {
    auto panel = open_fixture("lifecycle");
    panel->simulation().set_value(0x0FF, 42.5);
    panel->close();
    const auto& lookups = panel->services().lookups();
    ASSERT_EQ(lookups.size(), 2u);
    EXPECT_EQ(panel->runtime().read_u32(lookups[1] + L::variable::kToken), 0x0FFu);
    EXPECT_EQ(variable_value(*panel, lookups[1]), 42.5);
    panel->close();
    EXPECT_EQ(panel->services().lookups().size(), 2u);
}

// The gear's red light has the host fill two standalone variables on
// every update; an unset token reads 0.
TEST(PanelServices, LookupVariableFillsTheValueByToken) {
    auto panel = open_module();
    panel->update("Landing_Gear");
    ASSERT_EQ(panel->services().lookups().size(), 2u);
    for (Address v : panel->services().lookups()) EXPECT_EQ(variable_value(*panel, v), 0.0);
    set_and_update(*panel, "Landing_Gear", 333, 8000);
    ASSERT_EQ(panel->services().lookups().size(), 4u);
    for (std::size_t i = 2; i < 4; ++i) {
        const Address v = panel->services().lookups()[i];
        EXPECT_EQ(panel->runtime().read_u32(v + L::variable::kToken), 333u);
        EXPECT_EQ(variable_value(*panel, v), 8000.0);
    }
}

struct RoutineCase {
    GaugeRoutine routine;
    ElementService service;
    bool takes_value;
};

const RoutineCase kRoutines[] = {
    {GaugeRoutine::kQuery, ElementService::kQuery, false},
    {GaugeRoutine::kInstall, ElementService::kInstall, true},
    {GaugeRoutine::kInitialize, ElementService::kInitialize, false},
    {GaugeRoutine::kUpdate, ElementService::kUpdate, false},
    {GaugeRoutine::kGenerate, ElementService::kGenerate, true},
    {GaugeRoutine::kDraw, ElementService::kDraw, false},
    {GaugeRoutine::kKill, ElementService::kKill, false},
};

// Each routine reaches its element service, which logs the element and
// value it was given and answers 1.
TEST(PanelServices, ElementServicesLogEachCallWithItsElement) {
    std::unique_ptr<Panel> panels[] = {open_fixture("lifecycle"), open_module()};
    for (std::unique_ptr<Panel>& panel : panels) {
        SCOPED_TRACE(panel->runtime().image().file_name());
        const panel::GaugeRecord& first = panel->gauges().front();
        const panel::GaugeRecord& last = panel->gauges().back();
        const Address background = first.elements.at(0).address;
        std::size_t calls = 0;
        for (const RoutineCase& r : kRoutines) {
            SCOPED_TRACE(std::string(panel::service_name(r.service)));
            EXPECT_EQ(panel->call_routine(last.name, r.routine, 0xBEEF0000u + calls), 1u);
            ASSERT_EQ(panel->services().calls().size(), ++calls);
            const panel::ServiceCall& call = panel->services().calls().back();
            EXPECT_EQ(call.service, r.service);
            EXPECT_EQ(call.element, background);
            EXPECT_EQ(call.value, r.takes_value ? 0xBEEF0000u + calls - 1 : 0u);
            EXPECT_EQ(panel->services().count(r.service), 1u);
        }
    }
}

TEST(PanelServices, SlotsTheHostDoesNotProvideRaiseAnError) {
    auto panel = open_fixture("lifecycle");
    panel::ModuleRuntime& rt = panel->runtime();
    for (std::uint32_t slot : {0x00u, 0x78u, 0x9Cu}) {
        const Address function = rt.read_u32(panel->services().address() + slot);
        try {
            rt.call(function, {});
            ADD_FAILURE() << "slot " << slot << " answered";
        } catch (const panel::Error& e) {
            EXPECT_NE(std::string(e.what()).find("panel service slot " + panel::hex(slot)), std::string::npos)
                << e.what();
        }
    }
}

TEST(PanelServices, RoutinesAGaugeLacksAreAnError) {
    auto panel = open_fixture("rules");
    EXPECT_THROW(panel->call_routine("Needles", GaugeRoutine::kUpdate), panel::Error);
}

}  // namespace
}  // namespace vexmoor::test
