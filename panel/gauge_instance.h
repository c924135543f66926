// A gauge on the panel: its records, what each element shows, and the panel
// update that moves it.
//
// One update walks the elements in drawing order (an element, then its
// children, depth first). For each element it first applies the failures in
// force (failure_actions.h); unless the element is frozen or dropped it then
// writes the simulation's value of each variable the element binds (token 0:
// left as it is), keeping the value it replaces in the variable's previous
// value field, and calls the element's callback where one is set; the
// callback's result, or else the variable's value, is what the element
// shows. Then:
// - a needle turns toward the angle of its value on its scale
//   (needle_scale.h), by at most max_step_degrees per update along the
//   scale (0: at once). It starts where its table's first entry puts it
//   (without a table, at 90: the bitmap as drawn), keeps a cumulative angle,
//   so it sweeps back across its dial and never through the gap between
//   its end marks, and stays where it is for a value that is not a number;
// - an icon shows image bitmap_id + icon_image(value) (element_rules.h);
// - a slider's top-left corner lies at position + (x value × x scale,
//   y value × y scale), gauge pixels;
// - a sprite travels x value × x scale and y value × y scale (the y value
//   through the y callback), in pixels of the card bitmap along the card's
//   own axes, +y down the card, and turns by rotation value × rotation
//   scale degrees, clockwise on the screen.
// Each table entry's host angle field receives its cumulative angle.
#pragma once

#include <vector>

#include "panel/gauge_model.h"
#include "panel/module_runtime.h"
#include "panel/needle_scale.h"
#include "panel/simulation_state.h"

namespace vexmoor::panel {

class GaugeInstance {
public:
    GaugeInstance(ModuleRuntime& runtime, const GaugeRecord& gauge);

    const GaugeRecord& record() const { return gauge_; }
    // One entry per element, in the order of record().elements.
    const std::vector<ElementState>& states() const { return states_; }
    const ElementState& state(std::size_t element) const { return states_.at(element); }
    const NeedleScale& scale(std::size_t element) const { return needles_.at(element).scale; }

    void update(SimulationState& simulation);
    // Whether the last update left every needle where its value puts it.
    bool settled() const { return settled_; }

private:
    struct Needle {
        NeedleScale scale;
        double target = 0;
    };

    void update_element(std::size_t index, SimulationState& simulation);
    double fetch(const VariableBinding& variable, const SimulationState& simulation);
    double call_callback(const ElementRecord& element);
    void place_needle(std::size_t index, double value);

    ModuleRuntime& rt_;
    const GaugeRecord& gauge_;
    std::vector<ElementState> states_;
    std::vector<Needle> needles_;
    bool settled_ = true;
};

}  // namespace vexmoor::panel
