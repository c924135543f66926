// What an active failure does to an element. Each record of the element's
// failure list whose key is in force applies its action:
//   0 freeze: the element keeps what it showed; the host neither writes its
//     variable nor calls its callback;
//   1 hide: the element is not drawn (it goes on updating, so it shows the
//     current state again when the failure clears);
//   2 drop to rest: the element shows the value 0, placed as a callback
//     result of 0 would place it: a needle turns toward its table point for
//     0 at its usual step limit, an icon shows image 0, slider and sprite
//     slots travel 0. The host neither writes its variable nor calls its
//     callback.
// Freeze wins over drop; hide goes with either. Other action codes do
// nothing.
#pragma once

#include <vector>

#include "panel/gauge_model.h"
#include "panel/simulation_state.h"

namespace vexmoor::panel {

namespace failure_action {
inline constexpr std::int32_t kFreeze = 0;
inline constexpr std::int32_t kHide = 1;
inline constexpr std::int32_t kDrop = 2;
}  // namespace failure_action

struct FailureEffect {
    bool freeze = false;
    bool hide = false;
    bool drop = false;
};

FailureEffect failure_effect(const std::vector<FailureBinding>& failures, const SimulationState& simulation);

}  // namespace vexmoor::panel
