#include "commands.h"

#include <algorithm>

#include "inspect.h"
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

panel::RgbaImage picture_of(Panel& p, const panel::GaugeRecord& gauge, const Options& o) {
    if (o.updates) {
        p.update(gauge.name, *o.updates);
    } else {
        p.update_until_settled(gauge.name);
    }
    const panel::GaugeBitmaps bitmaps = panel::load_gauge_bitmaps(p.runtime().image(), gauge);
    return panel::render_gauge(gauge, p.states(gauge.name), bitmaps);
}

int list(Panel& p, std::ostream& out) {
    for (const panel::GaugeRecord& gauge : p.gauges()) {
        const panel::GaugeBitmaps bitmaps = panel::load_gauge_bitmaps(p.runtime().image(), gauge);
        const panel::RgbaImage picture = panel::render_gauge(gauge, p.states(gauge.name), bitmaps);
        out << gauge.name << " " << picture.width << "x" << picture.height << "\n";
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
