// The reference panel host: loads a module, checks and reads its gauges,
// hands it the panel services, and runs its gauges on a simulated aircraft.
//
//   auto panel = Panel::open("build/vexmoor.gau");
//   panel->simulation().set_value(61, 500);
//   panel->update_until_settled("Airspeed");
//   const ElementState& needle = panel->states("Airspeed")[1];
//   panel->click("Flaps", 10, 60);
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/gauge_instance.h"
#include "panel/gauge_model.h"
#include "panel/gauge_reader.h"
#include "panel/module_runtime.h"
#include "panel/mouse_hit.h"
#include "panel/panel_services.h"
#include "panel/simulation_state.h"

namespace vexmoor::panel {

class Panel {
public:
    // Loads the module file and opens a panel on it.
    static std::unique_ptr<Panel> open(const std::string& module_path, const LoadOptions& options = {});

    // Checks and reads every gauge (an Error names the first fault and
    // nothing of the module is used), builds the services table, writes its
    // address into ImportTable and calls the module's load hook.
    explicit Panel(std::unique_ptr<ModuleRuntime> runtime);
    // close(), then the runtime unloads the module.
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // Calls the module's unload hook, once; nothing may be used afterwards.
    void close();

    ModuleRuntime& runtime() { return *runtime_; }
    SimulationState& simulation() { return simulation_; }
    const PanelServiceTable& services() const { return *services_; }
    const ModuleRecords& module() const { return records_; }

    // The gauges in list order.
    const std::vector<GaugeRecord>& gauges() const { return records_.gauges; }
    const GaugeRecord* find_gauge(std::string_view name) const;
    // The gauge of that name; an Error naming it if the module has none.
    const GaugeRecord& gauge(std::string_view name) const;

    // The gauge as placed on this panel, created at first use.
    GaugeInstance& instance(std::string_view name);
    // Panel updates of one gauge.
    void update(std::string_view gauge, int times = 1);
    // Updates until every needle of the gauge stands where its value puts
    // it; returns the number of updates, or an Error after max_updates.
    int update_until_settled(std::string_view gauge, int max_updates = 10000);
    const std::vector<ElementState>& states(std::string_view gauge) { return instance(gauge).states(); }

    // The mouse area under gauge point (x, y), if any.
    std::optional<MouseHit> hit_test(std::string_view gauge, std::int32_t x, std::int32_t y) const;
    // A click at gauge point (x, y): the area's event, if it has one, goes
    // to the simulation's event log.
    std::optional<MouseHit> click(std::string_view gauge, std::int32_t x, std::int32_t y);

    // Calls one of the gauge header's routines, with value for Install and
    // Generate; returns its result. An Error if the header has none.
    std::uint32_t call_routine(std::string_view gauge, GaugeRoutine routine, std::uint32_t value = 0);

private:
    std::unique_ptr<ModuleRuntime> runtime_;
    SimulationState simulation_;
    ModuleRecords records_;
    std::unique_ptr<PanelServiceTable> services_;
    std::map<std::string, std::unique_ptr<GaugeInstance>, std::less<>> instances_;
    bool open_ = false;
};

}  // namespace vexmoor::panel
