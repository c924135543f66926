// The clamp rule shared by the value callbacks: a displayed value above the
// upper limit shows the upper limit; one at or above the lower limit shows
// itself; anything else, a value that is not a number included, shows the
// lower limit. A value exactly at a limit comes back unchanged.
#pragma once

#include "module/gauge_records.h"

namespace vexmoor {

constexpr double clamp_displayed(double d, double lo, double hi) {
    if (d > hi) return hi;
    if (d >= lo) return d;
    return lo;
}

// The value the host has just written into a needle's or an icon's variable.
inline double needle_value(ElementHeader* element) {
    return reinterpret_cast<NeedleElement*>(element)->variable.value;
}
inline double icon_value(ElementHeader* element) {
    return reinterpret_cast<IconElement*>(element)->variable.value;
}

}  // namespace vexmoor
