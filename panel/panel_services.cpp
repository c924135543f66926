#include "panel/panel_services.h"

#include "panel/error.h"
#include "panel/format.h"
#include "panel/record_layout.h"

namespace vexmoor::panel {
namespace {

namespace L = layout;

struct Slot {
    ElementService service;
    std::uint32_t offset;
    unsigned arg_count;
};

constexpr Slot kElementSlots[kElementServiceCount] = {
    {ElementService::kQuery, L::services::kQueryElements, 1},
    {ElementService::kInstall, L::services::kInstallElements, 2},
    {ElementService::kInitialize, L::services::kInitializeElements, 1},
    {ElementService::kUpdate, L::services::kUpdateElements, 1},
    {ElementService::kGenerate, L::services::kGenerateElements, 2},
    {ElementService::kDraw, L::services::kDrawElements, 1},
    {ElementService::kKill, L::services::kKillElements, 1},
};

constexpr std::uint32_t kElementServiceResult = 1;

}  // namespace

std::string_view service_name(ElementService service) {
    static constexpr std::string_view kNames[kElementServiceCount] = {
        "QueryElements", "InstallElements", "InitializeElements", "UpdateElements",
        "GenerateElements", "DrawElements", "KillElements",
    };
    return kNames[static_cast<std::size_t>(service)];
}

PanelServiceTable::PanelServiceTable(ModuleRuntime& runtime, SimulationState& simulation)
    : rt_(runtime), simulation_(simulation) {
    table_ = rt_.allocate(L::services::kSize);
    for (std::uint32_t offset = 0; offset < L::services::kSize; offset += 4) {
        rt_.write_u32(table_ + offset, rt_.host_function(
                                           [offset](const std::vector<std::uint32_t>&) -> std::uint32_t {
                                               throw Error("the module called panel service slot " + hex(offset) +
                                                           ", which this host does not provide");
                                           },
                                           0));
    }
    for (const Slot& slot : kElementSlots) {
        rt_.write_u32(table_ + slot.offset, rt_.host_function(
                                                [this, slot](const std::vector<std::uint32_t>& args) {
                                                    calls_.push_back({slot.service, args[0],
                                                                      slot.arg_count == 2 ? args[1] : 0});
                                                    return kElementServiceResult;
                                                },
                                                slot.arg_count));
    }
    rt_.write_u32(table_ + L::services::kLookupVariable,
                  rt_.host_function(
                      [this](const std::vector<std::uint32_t>& args) {
                          const Address variable = args[0];
                          const std::uint32_t token = rt_.read_u32(variable + L::variable::kToken);
                          rt_.write_f64(variable + L::variable::kValue, simulation_.value(token));
                          lookups_.push_back(variable);
                          return 0u;
                      },
                      1));
}

void PanelServiceTable::install(Address import_table) {
    rt_.write_u32(import_table + L::import_table::kServices, table_);
}

std::size_t PanelServiceTable::count(ElementService service) const {
    std::size_t n = 0;
    for (const ServiceCall& c : calls_) n += c.service == service ? 1 : 0;
    return n;
}

void PanelServiceTable::clear_log() {
    calls_.clear();
    lookups_.clear();
}

}  // namespace vexmoor::panel
