#include "panel/panel.h"

#include "panel/error.h"

namespace vexmoor::panel {

Panel::Panel(std::unique_ptr<ModuleRuntime> runtime)
    : runtime_(std::move(runtime)), records_(read_module(*runtime_)) {
    services_ = std::make_unique<PanelServiceTable>(*runtime_, simulation_);
    services_->install(records_.import_table);
    open_ = true;
    if (records_.load_hook != 0) runtime_->call(records_.load_hook, {});
}

Panel::~Panel() {
    try {
        close();
    } catch (const Error&) {
        // The module goes away whatever its unload hook did.
    }
}

void Panel::close() {
    if (!open_) return;
    open_ = false;
    if (records_.unload_hook != 0) runtime_->call(records_.unload_hook, {});
}

const GaugeRecord* Panel::find_gauge(std::string_view name) const { return panel::find_gauge(gauges(), name); }

const GaugeRecord& Panel::gauge(std::string_view name) const {
    if (const GaugeRecord* g = find_gauge(name)) return *g;
    throw Error(runtime_->image().file_name() + ": no gauge named \"" + std::string(name) + "\"");
}

GaugeInstance& Panel::instance(std::string_view name) {
    auto it = instances_.find(name);
    if (it == instances_.end()) {
        const GaugeRecord& g = gauge(name);
        it = instances_.emplace(g.name, std::make_unique<GaugeInstance>(*runtime_, g)).first;
    }
    return *it->second;
}

void Panel::update(std::string_view gauge, int times) {
    GaugeInstance& g = instance(gauge);
    for (int i = 0; i < times; ++i) g.update(simulation_);
}

int Panel::update_until_settled(std::string_view gauge, int max_updates) {
    GaugeInstance& g = instance(gauge);
    for (int n = 1; n <= max_updates; ++n) {
        g.update(simulation_);
        if (g.settled()) return n;
    }
    throw Error("gauge \"" + std::string(gauge) + "\" has not settled after " + std::to_string(max_updates) +
                " updates");
}

std::optional<MouseHit> Panel::hit_test(std::string_view gauge, std::int32_t x, std::int32_t y) const {
    return panel::hit_test(this->gauge(gauge), x, y);
}

std::optional<MouseHit> Panel::click(std::string_view gauge, std::int32_t x, std::int32_t y) {
    const GaugeRecord& g = this->gauge(gauge);
    std::optional<MouseHit> hit = panel::hit_test(g, x, y);
    if (hit && hit->event_id != 0) simulation_.send_event({g.name, hit->event_id});
    return hit;
}

std::uint32_t Panel::call_routine(std::string_view gauge, GaugeRoutine routine, std::uint32_t value) {
    const GaugeRecord& g = this->gauge(gauge);
    const Address at = g.routines[static_cast<std::size_t>(routine)];
    if (at == 0) {
        throw Error(runtime_->image().file_name() + ": gauge \"" + g.name + "\" has no routine " +
                    std::to_string(static_cast<std::uint32_t>(routine)));
    }
    const bool takes_value = routine == GaugeRoutine::kInstall || routine == GaugeRoutine::kGenerate;
    return takes_value ? runtime_->call(at, {value}) : runtime_->call(at, {});
}

}  // namespace vexmoor::panel
