#include "commands.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "records_text.h"
#include "panel/format.h"
#include "panel/gauge_bitmaps.h"
#include "panel/mouse_hit.h"
#include "panel/panel.h"
#include "panel/panel_picture.h"
#include "panel/png_file.h"
#include "panel/renderer.h"

namespace vexmoor::vexpanel {
namespace {

using panel::Panel;

void apply_state(Panel& p, const Options& o) {
    for (const auto& [token, value] : o.values) p.simulation().set_value(token, value);
    for (std::int32_t key : o.failures) p.simulation().set_failure(key);
}

// Runs f; an Error from updating or drawing a gauge that does not name the
// module file gets it in front.
template <typename F>
auto naming_module(Panel& p, F&& f) {
    const std::string& module = p.runtime().image().file_name();
    try {
        return f();
    } catch (const panel::Error& e) {
        if (std::string_view(e.what()).find(module) != std::string_view::npos) throw;
        throw panel::Error(module + ": " + e.what());
    }
}

panel::RgbaImage picture_of(Panel& p, const panel::GaugeRecord& gauge, const Options& o) {
    return naming_module(p, [&] {
        if (o.updates) {
            p.update(gauge.name, *o.updates);
        } else {
            p.update_until_settled(gauge.name);
        }
        const panel::GaugeBitmaps bitmaps = panel::load_gauge_bitmaps(p.runtime().image(), gauge);
        return panel::render_gauge(gauge, p.states(gauge.name), bitmaps);
    });
}

// A gauge is the size of its background, the first element of its root list.
int list(Panel& p, std::ostream& out) {
    for (const panel::GaugeRecord& gauge : p.gauges()) {
        out << gauge.name << " ";
        if (gauge.roots.empty() || gauge.roots.front() >= gauge.elements.size()) {
            out << gauge.default_width << "x? (no elements)\n";
            continue;
        }
        const panel::ElementRecord& background = gauge.elements[gauge.roots.front()];
        const std::optional<panel::Bitmap> face = panel::find_bitmap(
            p.runtime().image(), background.bitmap_id, gauge.name, panel::element_label(background));
        if (!face) {
            out << gauge.default_width << "x? (background bitmap " << panel::bitmap_id_text(background.bitmap_id)
                << " missing)\n";
            continue;
        }
        out << face->width << "x" << face->height << "\n";
    }
    return 0;
}

int inspect(Panel& p, const Options& o, std::ostream& out) {
    if (!o.gauge.empty()) {
        write_gauge_records(p.gauge(o.gauge), out);
        return 0;
    }
    for (const panel::GaugeRecord& gauge : p.gauges()) write_gauge_records(gauge, out);
    return 0;
}

int render(Panel& p, const Options& o, std::ostream& out) {
    apply_state(p, o);
    const panel::GaugeRecord& gauge = p.gauge(o.gauge);
    panel::write_png(picture_of(p, gauge, o), o.output);
    out << "wrote " << o.output << "\n";
    return 0;
}

int panel_picture(Panel& p, const Options& o, std::ostream& out) {
    apply_state(p, o);
    std::vector<panel::PanelGauge> pictures;
    for (const panel::GaugeRecord& gauge : p.gauges()) pictures.push_back({gauge.name, picture_of(p, gauge, o)});
    panel::write_png(panel::lay_out_panel(pictures, {}), o.output);
    out << "wrote " << o.output << "\n";
    return 0;
}

int click(Panel& p, const Options& o, std::ostream& out) {
    const panel::GaugeRecord& gauge = p.gauge(o.gauge);
    const std::optional<panel::MouseHit> hit = p.click(gauge.name, o.x, o.y);
    out << "tooltip " << panel::hex(panel::gauge_tooltip(gauge)) << "\n";
    if (!hit) {
        out << "nothing at (" << o.x << ", " << o.y << ")\n";
        return 0;
    }
    out << "event " << panel::hex(hit->event_id) << " cursor " << hit->cursor << "\n";
    return 0;
}

}  // namespace

int run(const Options& o, std::ostream& out) {
    auto p = Panel::open(o.module);
    if (o.command == "list") return list(*p, out);
    if (o.command == "inspect") return inspect(*p, o, out);
    if (o.command == "render") return render(*p, o, out);
    if (o.command == "panel") return panel_picture(*p, o, out);
    return click(*p, o, out);
}

}  // namespace vexmoor::vexpanel
