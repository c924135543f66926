// Which mouse area of a gauge a point falls in. The child areas (kind 2) are
// tried in table order and the first that holds the point wins; a box covers
// columns x .. x + width - 1 and rows y .. y + height - 1 of the gauge, so a
// box of width or height 0 or less covers nothing. The tooltip is the
// help_id of the begin-group record that encloses the area.
#pragma once

#include <cstdint>
#include <optional>

#include "panel/gauge_model.h"

namespace vexmoor::panel {

struct MouseHit {
    std::size_t record = 0;  // index into GaugeRecord::mouse_areas
    std::uint32_t event_id = 0;
    std::int32_t cursor = -1;
    std::uint32_t mouse_flags = 0;
    std::uint32_t help_id = 0;  // the tooltip
};

// The area under gauge point (x, y), or nothing.
std::optional<MouseHit> hit_test(const GaugeRecord& gauge, std::int32_t x, std::int32_t y);

// The gauge's tooltip: the help_id of its first begin-group record, or 0.
std::uint32_t gauge_tooltip(const GaugeRecord& gauge);

}  // namespace vexmoor::panel
