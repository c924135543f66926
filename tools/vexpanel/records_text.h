// The records of a gauge as readable text.
#pragma once

#include <ostream>

#include "panel/gauge_model.h"

namespace vexmoor::vexpanel {

void write_gauge_records(const panel::GaugeRecord& gauge, std::ostream& out);

}  // namespace vexmoor::vexpanel
