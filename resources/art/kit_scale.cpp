#include "kit_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vexmoor::art {

Scale::Scale(int pivot_x, int pivot_y, std::vector<ScalePoint> points) : pivot_{pivot_x + 0.5, pivot_y + 0.5} {
    if (points.size() < 2) throw ArtError("a scale needs at least two table points");
    double previous = -std::numeric_limits<double>::infinity();
    for (const ScalePoint& p : points) {
        const double dx = p.x - pivot_x, dy = p.y - pivot_y;
        if (dx == 0 && dy == 0) throw ArtError("a scale's table point lies on its pivot");
        double angle = std::atan2(dx, -dy) * 180 / std::numbers::pi;
        while (angle < previous) angle += 360;  // clockwise from the point before
        if (!polar_.empty() && p.value <= polar_.back().value)
            throw ArtError("a scale's values must rise from point to point");
        polar_.push_back({p.value, angle, std::hypot(dx, dy)});
        previous = angle;
    }
}

std::pair<const Scale::Polar*, double> Scale::find(double value) const {
    // The step from point i to point i + 1 that holds the value; the first
    // and last steps carry on beyond the ends.
    const auto above = std::upper_bound(polar_.begin(), polar_.end(), value,
                                        [](double v, const Polar& p) { return v < p.value; });
    const std::size_t i = std::clamp<std::ptrdiff_t>(above - polar_.begin() - 1, 0, std::ptrdiff_t(polar_.size()) - 2);
    const Polar* from = &polar_[i];
    return {from, (value - from->value) / (from[1].value - from->value)};
}

double Scale::angle(double value) const {
    const auto [from, t] = find(value);
    return from->angle + t * (from[1].angle - from->angle);
}

double Scale::reach(double value) const {
    const auto [from, t] = find(value);
    return from->reach + t * (from[1].reach - from->reach);
}

Point Scale::at(double value, double inward) const { return on_circle(pivot_, reach(value) - inward, angle(value)); }

void draw_scale_marks(cairo_t* cr, const Scale& scale, const ScaleMarks& marks) {
    cairo_save(cr);
    set_colour(cr, marks.colour);
    cairo_set_line_width(cr, marks.width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(cr);
    for (double v : marks.values) {
        const Point from = scale.at(v, -marks.beyond), to = scale.at(v, marks.length);
        cairo_move_to(cr, from.x, from.y);
        cairo_line_to(cr, to.x, to.y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_scale_numerals(cairo_t* cr, const Scale& scale, const ScaleNumerals& n) {
    cairo_save(cr);
    use_font(cr, n.face, n.size);
    set_colour(cr, n.colour);
    for (const auto& [value, text] : n.at) {
        // How far the ink's box reaches from its middle toward the mark.
        const Point ink = ink_size(cr, text);
        const double a = scale.angle(value) * std::numbers::pi / 180;
        const double sx = std::abs(std::sin(a)), cy = std::abs(std::cos(a));
        const double half = std::min(sx > 1e-9 ? ink.x / 2 / sx : 1e9, cy > 1e-9 ? ink.y / 2 / cy : 1e9);
        show_centred(cr, scale.at(value, n.mark_length + n.gap + half), text);
    }
    cairo_restore(cr);
}

}  // namespace vexmoor::art
