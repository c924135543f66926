// The two records that the module exports by name: ImportTable, through
// which the host hands over its panel services, and Linkage, through which
// it finds the module's hooks and gauges.
#pragma once

#include <cstddef>

#include "module/gauge_records.h"

namespace vexmoor {

// The gauges built into the module, in list order.
inline constexpr std::size_t kGaugeCount = 6;

}  // namespace vexmoor

extern "C" {
extern vexmoor::ImportTableRecord ImportTable;
extern vexmoor::LinkageRecord<vexmoor::kGaugeCount> Linkage;
}
