// Panel::open goes with the runtime that load_module comes from, so that the
// portable part of the host does not depend on one runtime.
#include "panel/panel.h"

namespace vexmoor::panel {

std::unique_ptr<Panel> Panel::open(const std::string& module_path, const LoadOptions& options) {
    return std::make_unique<Panel>(load_module(module_path, options));
}

}  // namespace vexmoor::panel
