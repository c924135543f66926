// Reads a module's records into the host's model: the exported records, the
// hooks, and every gauge with its element chain, tables, failure lists and
// mouse table. read_module checks the whole module first (gauge_validation.h)
// and reads nothing from a module that fails the check.
#pragma once

#include <string_view>
#include <vector>

#include "panel/gauge_model.h"
#include "panel/module_runtime.h"

namespace vexmoor::panel {

struct ModuleRecords {
    Address import_table = 0;
    Address linkage = 0;
    Address load_hook = 0;    // 0: none
    Address unload_hook = 0;  // 0: none
    std::vector<GaugeRecord> gauges;  // in list order
};

// Validates, then reads. Throws the validation's Error for a faulty module.
ModuleRecords read_module(const ModuleRuntime& runtime);

// The gauge of that name, or nullptr.
const GaugeRecord* find_gauge(const std::vector<GaugeRecord>& gauges, std::string_view name);

}  // namespace vexmoor::panel
