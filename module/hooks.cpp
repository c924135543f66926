// The module hooks and the seven gauge routines. The hooks do nothing; they
// exist so that Linkage carries non-null hooks. Each routine finds its
// element afresh on every call (gauge 0's root list, first entry), hands it
// with any argument to its panel service, and returns the service's result
// unchanged, whichever gauge header the host called it through.
#include "module/exports.h"
#include "module/gauge_frame.h"

namespace vexmoor {
namespace {

PanelServices* services() { return ImportTable.services; }

ElementHeader* shared_element() { return Linkage.gauges[0]->elements[0]; }

}  // namespace

extern "C" {

void VEXMOOR_STDCALL OnModuleLoad() {}
void VEXMOOR_STDCALL OnModuleUnload() {}

std::uint32_t VEXMOOR_STDCALL GaugeQuery() { return services()->query_elements(shared_element()); }

std::uint32_t VEXMOOR_STDCALL GaugeInstall(std::uint32_t value) {
    return services()->install_elements(shared_element(), value);
}

std::uint32_t VEXMOOR_STDCALL GaugeInitialize() { return services()->initialize_elements(shared_element()); }

std::uint32_t VEXMOOR_STDCALL GaugeUpdate() { return services()->update_elements(shared_element()); }

std::uint32_t VEXMOOR_STDCALL GaugeGenerate(std::uint32_t value) {
    return services()->generate_elements(shared_element(), value);
}

std::uint32_t VEXMOOR_STDCALL GaugeDraw() { return services()->draw_elements(shared_element()); }

std::uint32_t VEXMOOR_STDCALL GaugeKill() { return services()->kill_elements(shared_element()); }

}  // extern "C"
}  // namespace vexmoor
