#include "panel_fixture.h"

#include <cstdlib>
#include <stdexcept>

namespace vexmoor::test {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') throw std::runtime_error(std::string(name) + " is not set");
    return value;
}

}  // namespace

std::string fixture_path(const std::string& name) { return environment("VEXMOOR_FIXTURES") + "/" + name + ".gau"; }
std::string module_path() { return environment("VEXMOOR_MODULE"); }

std::unique_ptr<Panel> open_fixture(const std::string& name) { return Panel::open(fixture_path(name)); }
std::unique_ptr<Panel> open_module(const panel::LoadOptions& options) { return Panel::open(module_path(), options); }

const ElementState& element_state(Panel& panel, const std::string& gauge, int order) {
    return panel.states(gauge).at(static_cast<std::size_t>(order - 1));
}

const panel::ElementRecord& element_record(Panel& panel, const std::string& gauge, int order) {
    return panel.gauge(gauge).elements.at(static_cast<std::size_t>(order - 1));
}

void set_and_update(Panel& panel, const std::string& gauge, std::uint32_t token, double value) {
    panel.simulation().set_value(token, value);
    panel.update(gauge);
}

}  // namespace vexmoor::test
