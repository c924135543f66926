// Opening panels on the test modules: a fixture by name (NAME.gau in
// VEXMOOR_FIXTURES) or the real module (VEXMOOR_MODULE), and reaching an
// element's state by its place in the drawing order.
#pragma once

#include <memory>
#include <string>

#include "panel/panel.h"

namespace vexmoor::test {

using panel::Address;
using panel::ElementState;
using panel::Panel;

std::string fixture_path(const std::string& name);
std::string module_path();

std::unique_ptr<Panel> open_fixture(const std::string& name);
std::unique_ptr<Panel> open_module(const panel::LoadOptions& options = {});

// The state of the element at that place (1-based) in the gauge's drawing
// order.
const ElementState& element_state(Panel& panel, const std::string& gauge, int order);
const panel::ElementRecord& element_record(Panel& panel, const std::string& gauge, int order);

// Sets a token, then runs one update of the gauge.
void set_and_update(Panel& panel, const std::string& gauge, std::uint32_t token, double value);

}  // namespace vexmoor::test
