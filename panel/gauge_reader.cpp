#include "panel/gauge_reader.h"

#include "panel/gauge_validation.h"
#include "panel/record_layout.h"

namespace vexmoor::panel {
namespace {

namespace L = layout;

constexpr std::uint32_t kRoutineOffsets[kGaugeRoutineCount] = {
    L::gauge::kQuery, L::gauge::kInstall, L::gauge::kInitialize, L::gauge::kUpdate,
    L::gauge::kGenerate, L::gauge::kDraw, L::gauge::kKill,
};

// Reads records that validate_module has passed: every pointer followed
// here has been checked, every list is known to end.
class Reader {
public:
    explicit Reader(const ModuleRuntime& rt) : rt_(rt) {}

    GaugeRecord gauge(std::uint32_t index, Address header) {
        GaugeRecord g;
        g.header = header;
        g.index = index;
        g.name = rt_.read_string(rt_.read_u32(header + L::gauge::kName), 4096, "gauge name");
        for (std::size_t r = 0; r < kGaugeRoutineCount; ++r) g.routines[r] = rt_.read_u32(header + kRoutineOffsets[r]);
        g.default_width = rt_.read_u32(header + L::gauge::kDefaultWidth);
        for (Address e : list(rt_.read_u32(header + L::gauge::kElements))) g.roots.push_back(element(g, e));
        const Address mouse = rt_.read_u32(header + L::gauge::kMouseAreas);
        if (mouse != 0) g.mouse_areas = mouse_table(mouse);
        return g;
    }

    std::vector<Address> list(Address at) const {
        std::vector<Address> entries;
        for (Address e; (e = rt_.read_u32(at)) != 0; at += 4) entries.push_back(e);
        return entries;
    }

private:
    IntPoint point(Address at) const { return {rt_.read_i32(at), rt_.read_i32(at + 4)}; }

    VariableBinding variable(Address at) const { return {rt_.read_u32(at + L::variable::kToken), at}; }

    AxisBinding axis(Address at) const {
        return {variable(at + L::axis_slot::kVariable), rt_.read_f64(at + L::axis_slot::kScale)};
    }

    // Reads an element and, depth first, its children; returns its index.
    std::size_t element(GaugeRecord& g, Address at) {
        ElementRecord e;
        e.address = at;
        e.order = static_cast<int>(g.elements.size()) + 1;
        e.kind = static_cast<ElementKind>(rt_.read_u32(at + L::element::kKind));
        e.bitmap_id = rt_.read_u32(at + L::element::kBitmapId);
        e.position = point(at + L::element::kPosition);
        e.offset = point(at + L::element::kOffset);
        e.draw_flags = rt_.read_u32(at + L::element::kDrawFlags);
        if (const Address failures = rt_.read_u32(at + L::element::kFailures); failures != 0) {
            for (Address r = failures; rt_.read_i32(r + L::failure::kKey) != 0; r += L::failure::kSize) {
                e.failures.push_back({rt_.read_i32(r + L::failure::kKey), rt_.read_i32(r + L::failure::kAction)});
            }
        }
        switch (e.kind) {
        case ElementKind::kStaticImage: break;
        case ElementKind::kNeedle: {
            e.variable = variable(at + L::needle::kVariable);
            e.callback = rt_.read_u32(at + L::needle::kCallback);
            e.max_step_degrees = rt_.read_i32(at + L::needle::kMaxStep);
            e.table_address = rt_.read_u32(at + L::needle::kTable);
            const std::uint32_t count = rt_.read_u32(at + L::needle::kTableCount);
            for (std::uint32_t i = 0; e.table_address != 0 && i < count; ++i) {
                const Address entry = e.table_address + i * L::table_entry::kSize;
                e.table.push_back({rt_.read_i32(entry + L::table_entry::kX), rt_.read_i32(entry + L::table_entry::kY),
                                   rt_.read_f64(entry + L::table_entry::kValue)});
            }
            break;
        }
        case ElementKind::kIcon:
            e.variable = variable(at + L::icon::kVariable);
            e.callback = rt_.read_u32(at + L::icon::kCallback);
            e.icon_count = rt_.read_u32(at + L::icon::kIconCount);
            break;
        case ElementKind::kSlider:
            e.x_slot = axis(at + L::slider::kX);
            e.y_slot = axis(at + L::slider::kY);
            break;
        case ElementKind::kSprite:
            e.x_slot = axis(at + L::sprite::kX);
            e.y_slot = axis(at + L::sprite::kY);
            e.rotation_slot = axis(at + L::sprite::kRotation);
            e.texture_scale_x = rt_.read_f32(at + L::sprite::kTextureScaleX);
            e.texture_scale_y = rt_.read_f32(at + L::sprite::kTextureScaleY);
            e.callback = rt_.read_u32(at + L::sprite::kYCallback);
            break;
        }
        const std::size_t index = g.elements.size();
        g.elements.push_back(std::move(e));
        if (const Address children = rt_.read_u32(at + L::element::kChildren); children != 0) {
            for (Address child : list(children)) {
                const std::size_t c = element(g, child);
                g.elements[index].children.push_back(c);
            }
        }
        return index;
    }

    std::vector<MouseRecord> mouse_table(Address at) const {
        std::vector<MouseRecord> records;
        for (;; at += L::mouse::kSize) {
            MouseRecord m;
            m.kind = rt_.read_u32(at + L::mouse::kKind);
            m.x = rt_.read_i32(at + L::mouse::kBox);
            m.y = rt_.read_i32(at + L::mouse::kBox + 4);
            m.width = rt_.read_i32(at + L::mouse::kBox + 8);
            m.height = rt_.read_i32(at + L::mouse::kBox + 12);
            m.cursor = rt_.read_i32(at + L::mouse::kCursor);
            m.help_id = rt_.read_u32(at + L::mouse::kHelpId);
            m.mouse_flags = rt_.read_u32(at + L::mouse::kMouseFlags);
            m.event_id = rt_.read_u32(at + L::mouse::kEventId);
            records.push_back(m);
            if (m.kind == L::kMouseEnd) return records;
        }
    }

    const ModuleRuntime& rt_;
};

}  // namespace

ModuleRecords read_module(const ModuleRuntime& runtime) {
    validate_module(runtime);
    Reader reader(runtime);
    ModuleRecords m;
    m.import_table = runtime.export_address("ImportTable");
    m.linkage = runtime.export_address("Linkage");
    m.load_hook = runtime.read_u32(m.linkage + L::linkage::kLoadHook);
    m.unload_hook = runtime.read_u32(m.linkage + L::linkage::kUnloadHook);
    const std::vector<Address> headers = reader.list(m.linkage + L::linkage::kGauges);
    for (std::size_t i = 0; i < headers.size(); ++i) {
        m.gauges.push_back(reader.gauge(static_cast<std::uint32_t>(i), headers[i]));
    }
    return m;
}

const GaugeRecord* find_gauge(const std::vector<GaugeRecord>& gauges, std::string_view name) {
    for (const GaugeRecord& g : gauges) {
        if (g.name == name) return &g;
    }
    return nullptr;
}

}  // namespace vexmoor::panel
