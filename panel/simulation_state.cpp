#include "panel/simulation_state.h"

namespace vexmoor::panel {

double SimulationState::value(std::uint32_t token) const {
    auto it = values_.find(token);
    return it == values_.end() ? 0.0 : it->second;
}

void SimulationState::set_failure(std::int32_t key, bool active) {
    if (active) {
        failures_.insert(key);
    } else {
        failures_.erase(key);
    }
}

}  // namespace vexmoor::panel
