// The gauges of the module, in the order of the Linkage gauge list. The
// first one's background is the element that the seven shared routines act
// on.
#pragma once

#include "module/gauge_records.h"

namespace vexmoor {

extern GaugeHeader turn_indicator_gauge;
extern GaugeHeader attitude_gauge;
extern GaugeHeader altimeter_gauge;
extern GaugeHeader airspeed_gauge;
extern GaugeHeader landing_gear_gauge;
extern GaugeHeader flaps_gauge;

}  // namespace vexmoor
