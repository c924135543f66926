#include "panel/panel_picture.h"

#include <algorithm>
#include <string>

#include "panel/cairo_image.h"
#include "panel/error.h"

namespace vexmoor::panel {
namespace {

int zoom_of(const PanelLayout& layout) { return std::clamp(layout.zoom, 1, 8); }

}  // namespace

PanelPlan plan_panel(std::span<const PanelGauge> gauges, const PanelLayout& layout) {
    const int zoom = zoom_of(layout);
    const int columns = std::max(1, layout.columns);
    const int margin = std::max(0, layout.margin);
    const int label = layout.labels ? kLabelHeight : 0;
    PanelPlan plan;
    plan.width = margin;
    int top = margin;
    for (std::size_t row = 0; row * columns < gauges.size(); ++row) {
        int x = margin, row_height = 0;
        const std::size_t end = std::min(gauges.size(), (row + 1) * columns);
        for (std::size_t i = row * columns; i < end; ++i) {
            plan.places.push_back({x, top});
            x += zoom * gauges[i].picture.width + margin;
            row_height = std::max(row_height, zoom * gauges[i].picture.height);
        }
        plan.width = std::max(plan.width, x);
        top += row_height + label + margin;
    }
    plan.height = top;
    plan.width = std::max(plan.width, 2 * margin);
    plan.height = std::max(plan.height, 2 * margin);
    return plan;
}

RgbaImage lay_out_panel(std::span<const PanelGauge> gauges, const PanelLayout& layout) {
    const PanelPlan plan = plan_panel(gauges, layout);
    const int zoom = zoom_of(layout);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, plan.width, plan.height));
    if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS) {
        throw Error("a panel picture of " + std::to_string(plan.width) + " x " + std::to_string(plan.height) +
                    " pixels cannot be made (" + cairo_status_to_string(status) + ")");
    }
    Context cr(cairo_create(surface.get()));
    auto source = [&](Rgba c) { cairo_set_source_rgba(cr.get(), c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0); };
    source(Rgba{layout.panel.r, layout.panel.g, layout.panel.b, 255});
    cairo_paint(cr.get());

    cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr.get(), 10);
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        const RgbaImage& picture = gauges[i].picture;
        const IntPoint at = plan.places[i];
        const int width = zoom * picture.width, height = zoom * picture.height;
        if (picture.width > 0 && picture.height > 0) {
            Surface gauge = to_surface(picture);
            cairo_save(cr.get());
            cairo_translate(cr.get(), at.x, at.y);
            cairo_scale(cr.get(), zoom, zoom);
            cairo_set_source_surface(cr.get(), gauge.get(), 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
            cairo_paint(cr.get());
            cairo_restore(cr.get());
        }
        if (layout.labels && !gauges[i].name.empty()) {
            cairo_text_extents_t extents;
            cairo_text_extents(cr.get(), gauges[i].name.c_str(), &extents);
            source(layout.text);
            cairo_move_to(cr.get(), at.x + (width - extents.width) / 2 - extents.x_bearing,
                          at.y + height + kLabelHeight - 3);
            cairo_show_text(cr.get(), gauges[i].name.c_str());
        }
    }
    cr.reset();
    return from_surface(surface.get());
}

}  // namespace vexmoor::panel
