#include "records_text.h"

#include "panel/format.h"

namespace vexmoor::vexpanel {
namespace {

using panel::decimal;
using panel::hex;

const char* kind_name(panel::ElementKind kind) {
    switch (kind) {
        case panel::ElementKind::kStaticImage: return "static image";
        case panel::ElementKind::kNeedle: return "needle";
        case panel::ElementKind::kSlider: return "slider";
        case panel::ElementKind::kIcon: return "icon";
        case panel::ElementKind::kSprite: return "sprite";
    }
    return "unknown";
}

const char* mouse_kind_name(std::uint32_t kind) {
    switch (kind) {
        case 0: return "end";
        case 1: return "begin group";
        case 2: return "child area";
        case 3: return "end group";
        default: return "unknown";
    }
}

void write_slot(std::ostream& out, const char* name, const panel::AxisBinding& slot) {
    out << "    " << name << " slot: token " << slot.variable.token << ", scale " << decimal(slot.scale) << "\n";
}

}  // namespace

void write_gauge_records(const panel::GaugeRecord& gauge, std::ostream& out) {
    out << "gauge \"" << gauge.name << "\" at " << hex(gauge.header) << ": default width " << gauge.default_width
        << "\n";
    for (const panel::ElementRecord& e : gauge.elements) {
        out << "  element " << e.order << ": " << kind_name(e.kind) << ", bitmap " << hex(e.bitmap_id)
            << ", position (" << e.position.x << ", " << e.position.y << "), offset (" << e.offset.x << ", "
            << e.offset.y << "), draw flags " << hex(e.draw_flags) << "\n";
        if (e.kind == panel::ElementKind::kNeedle || e.kind == panel::ElementKind::kIcon) {
            out << "    variable: token " << e.variable.token << "\n";
        }
        if (e.callback != 0) out << "    callback at " << hex(e.callback) << "\n";
        if (e.kind == panel::ElementKind::kNeedle) {
            out << "    table: " << e.table.size() << " entries, max step " << e.max_step_degrees << " degrees\n";
            for (std::size_t i = 0; i < e.table.size(); ++i) {
                out << "      " << i << ": (" << e.table[i].x << ", " << e.table[i].y << ") value "
                    << decimal(e.table[i].value) << "\n";
            }
        }
        if (e.kind == panel::ElementKind::kIcon) out << "    images: " << e.icon_count << "\n";
        if (e.kind == panel::ElementKind::kSlider || e.kind == panel::ElementKind::kSprite) {
            write_slot(out, "x", e.x_slot);
            write_slot(out, "y", e.y_slot);
        }
        if (e.kind == panel::ElementKind::kSprite) {
            write_slot(out, "rotation", e.rotation_slot);
            out << "    texture scale: " << decimal(e.texture_scale_x) << ", " << decimal(e.texture_scale_y) << "\n";
        }
        for (const panel::FailureBinding& f : e.failures) {
            out << "    failure: key " << f.key << ", action " << f.action << "\n";
        }
    }
    for (std::size_t i = 0; i < gauge.mouse_areas.size(); ++i) {
        const panel::MouseRecord& m = gauge.mouse_areas[i];
        out << "  mouse " << i + 1 << ": " << mouse_kind_name(m.kind);
        if (m.kind == 2) {
            out << ", columns " << m.x << ".." << m.x + m.width - 1 << ", rows " << m.y << ".." << m.y + m.height - 1
                << ", event " << hex(m.event_id) << ", cursor " << m.cursor << ", flags " << hex(m.mouse_flags);
        }
        if (m.kind == 1) out << ", tooltip " << hex(m.help_id);
        out << "\n";
    }
}

}  // namespace vexmoor::vexpanel
