// The host's table of panel services, built inside the module's address
// space and handed to the module through ImportTable. LookupVariable fills a
// ModuleVariable's value from the simulation by its token; the seven element
// services answer 1 and log each call with the element (and value) they
// were given, so that tests and tools can see what the module asked for.
// Every slot the module has no business calling raises an Error that names
// the slot.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "panel/module_runtime.h"
#include "panel/simulation_state.h"

namespace vexmoor::panel {

enum class ElementService : std::uint32_t { kQuery, kInstall, kInitialize, kUpdate, kGenerate, kDraw, kKill };
inline constexpr std::size_t kElementServiceCount = 7;

std::string_view service_name(ElementService service);

struct ServiceCall {
    ElementService service = ElementService::kQuery;
    Address element = 0;
    std::uint32_t value = 0;  // the second argument of Install and Generate, else 0
};

class PanelServiceTable {
public:
    // Builds the table; install() hands it to the module.
    PanelServiceTable(ModuleRuntime& runtime, SimulationState& simulation);
    PanelServiceTable(const PanelServiceTable&) = delete;
    PanelServiceTable& operator=(const PanelServiceTable&) = delete;

    // Where the table lies in the module's address space.
    Address address() const { return table_; }
    // Writes the table's address into the module's ImportTable record.
    void install(Address import_table);

    const std::vector<ServiceCall>& calls() const { return calls_; }
    std::size_t count(ElementService service) const;
    // The ModuleVariable records the module has had filled, in call order.
    const std::vector<Address>& lookups() const { return lookups_; }
    void clear_log();

private:
    ModuleRuntime& rt_;
    SimulationState& simulation_;
    Address table_ = 0;
    std::vector<ServiceCall> calls_;
    std::vector<Address> lookups_;
};

}  // namespace vexmoor::panel
