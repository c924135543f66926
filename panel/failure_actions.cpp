#include "panel/failure_actions.h"

namespace vexmoor::panel {

FailureEffect failure_effect(const std::vector<FailureBinding>& failures, const SimulationState& simulation) {
    FailureEffect effect;
    for (const FailureBinding& f : failures) {
        if (!simulation.failed(f.key)) continue;
        if (f.action == failure_action::kFreeze) effect.freeze = true;
        if (f.action == failure_action::kHide) effect.hide = true;
        if (f.action == failure_action::kDrop) effect.drop = true;
    }
    if (effect.freeze) effect.drop = false;
    return effect;
}

}  // namespace vexmoor::panel
