#include "panel/gauge_instance.h"

#include "panel/element_rules.h"
#include "panel/error.h"
#include "panel/failure_actions.h"
#include "panel/record_layout.h"

namespace vexmoor::panel {

namespace L = layout;

GaugeInstance::GaugeInstance(ModuleRuntime& runtime, const GaugeRecord& gauge)
    : rt_(runtime), gauge_(gauge), states_(gauge.elements.size()), needles_(gauge.elements.size()) {
    for (std::size_t i = 0; i < gauge_.elements.size(); ++i) {
        const ElementRecord& e = gauge_.elements[i];
        if (e.kind != ElementKind::kNeedle) continue;
        Needle& n = needles_[i];
        if (!e.table.empty()) {
            n.scale = NeedleScale(e.position, e.table);
            for (std::size_t k = 0; k < e.table.size(); ++k) {
                rt_.write_f64(e.table_address + static_cast<Address>(k) * L::table_entry::kSize +
                                  L::table_entry::kAngle,
                              n.scale.entry_degrees()[k]);
            }
        }
        n.target = n.scale.start_degrees();
        states_[i].cumulative_degrees = n.target;
        states_[i].direction_degrees = fold_degrees(n.target);
    }
}

void GaugeInstance::update(SimulationState& simulation) {
    simulation.count_update();
    settled_ = true;
    for (std::size_t i = 0; i < gauge_.elements.size(); ++i) update_element(i, simulation);
}

double GaugeInstance::fetch(const VariableBinding& variable, const SimulationState& simulation) {
    if (variable.token != 0) {
        rt_.write_f64(variable.address + L::variable::kPrevious, rt_.read_f64(variable.address + L::variable::kValue));
        rt_.write_f64(variable.address + L::variable::kValue, simulation.value(variable.token));
    }
    return rt_.read_f64(variable.address + L::variable::kValue);
}

double GaugeInstance::call_callback(const ElementRecord& element) {
    try {
        return rt_.call_double(element.callback, {element.address});
    } catch (const Error& e) {
        throw Error("gauge \"" + gauge_.name + "\", element " + std::to_string(element.order) + ", callback: " +
                    e.what());
    }
}

void GaugeInstance::update_element(std::size_t index, SimulationState& simulation) {
    const ElementRecord& e = gauge_.elements[index];
    ElementState& s = states_[index];
    const FailureEffect failure = failure_effect(e.failures, simulation);
    s.visible = !failure.hide;
    if (failure.freeze) return;
    const bool live = !failure.drop;
    switch (e.kind) {
    case ElementKind::kStaticImage: break;
    case ElementKind::kNeedle: {
        double value = 0;
        if (live) {
            value = fetch(e.variable, simulation);
            if (e.callback != 0) value = call_callback(e);
        }
        s.shown_value = value;
        place_needle(index, value);
        break;
    }
    case ElementKind::kIcon: {
        double value = 0;
        if (live) {
            value = fetch(e.variable, simulation);
            if (e.callback != 0) value = call_callback(e);
        }
        s.shown_value = value;
        s.image = icon_image(value, e.icon_count);
        break;
    }
    case ElementKind::kSlider: {
        const double x = live ? fetch(e.x_slot.variable, simulation) : 0.0;
        const double y = live ? fetch(e.y_slot.variable, simulation) : 0.0;
        s.shown_value = y;
        s.travel_x = slot_travel(x, e.x_slot.scale);
        s.travel_y = slot_travel(y, e.y_slot.scale);
        break;
    }
    case ElementKind::kSprite: {
        double x = 0, y = 0, rotation = 0;
        if (live) {
            x = fetch(e.x_slot.variable, simulation);
            y = fetch(e.y_slot.variable, simulation);
            rotation = fetch(e.rotation_slot.variable, simulation);
            if (e.callback != 0) y = call_callback(e);
        }
        s.shown_value = y;
        s.travel_x = slot_travel(x, e.x_slot.scale);
        s.travel_y = slot_travel(y, e.y_slot.scale);
        s.rotation_degrees = slot_travel(rotation, e.rotation_slot.scale);
        break;
    }
    }
}

void GaugeInstance::place_needle(std::size_t index, double value) {
    const ElementRecord& e = gauge_.elements[index];
    ElementState& s = states_[index];
    Needle& n = needles_[index];
    n.target = n.scale.degrees_for(value).value_or(s.cumulative_degrees);
    s.cumulative_degrees = step_toward(s.cumulative_degrees, n.target, e.max_step_degrees);
    s.direction_degrees = fold_degrees(s.cumulative_degrees);
    if (s.cumulative_degrees != n.target) settled_ = false;
}

}  // namespace vexmoor::panel
