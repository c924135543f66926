#include "panel/element_rules.h"

#include <cmath>

namespace vexmoor::panel {

std::uint32_t icon_image(double value, std::uint32_t count) {
    if (std::isnan(value) || count == 0) return 0;
    const double last = static_cast<double>(count - 1);
    const double image = std::trunc(value);
    if (image <= 0) return 0;
    if (image >= last) return count - 1;
    return static_cast<std::uint32_t>(image);
}

double slot_travel(double value, double scale) {
    const double travel = value * scale;
    return std::isfinite(travel) ? travel : 0.0;
}

}  // namespace vexmoor::panel
