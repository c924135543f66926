#include "panel/mouse_hit.h"

#include "panel/record_layout.h"

namespace vexmoor::panel {
namespace {

bool covers(std::int64_t start, std::int64_t length, std::int64_t at) { return at >= start && at < start + length; }

}  // namespace

std::optional<MouseHit> hit_test(const GaugeRecord& gauge, std::int32_t x, std::int32_t y) {
    std::uint32_t help_id = 0;
    for (std::size_t i = 0; i < gauge.mouse_areas.size(); ++i) {
        const MouseRecord& m = gauge.mouse_areas[i];
        if (m.kind == layout::kMouseBeginGroup) help_id = m.help_id;
        if (m.kind == layout::kMouseEndGroup) help_id = 0;
        if (m.kind != layout::kMouseChildArea) continue;
        if (covers(m.x, m.width, x) && covers(m.y, m.height, y)) {
            return MouseHit{i, m.event_id, m.cursor, m.mouse_flags, help_id};
        }
    }
    return std::nullopt;
}

std::uint32_t gauge_tooltip(const GaugeRecord& gauge) {
    for (const MouseRecord& m : gauge.mouse_areas) {
        if (m.kind == layout::kMouseBeginGroup) return m.help_id;
    }
    return 0;
}

}  // namespace vexmoor::panel
