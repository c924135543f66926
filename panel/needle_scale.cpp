#include "panel/needle_scale.h"

#include <cmath>
#include <numbers>

namespace vexmoor::panel {

double direction_degrees(IntPoint from, IntPoint to) {
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    if (dx == 0 && dy == 0) return 0;
    // Straight up is -y on the screen; clockwise is toward +x.
    return fold_degrees(std::atan2(dx, -dy) * 180.0 / std::numbers::pi);
}

double fold_degrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    if (d >= 360.0) d -= 360.0;
    return d;
}

double step_toward(double current, double target, std::int32_t max_step) {
    const double delta = target - current;
    if (max_step <= 0 || std::fabs(delta) <= max_step) return target;
    return current + std::copysign(static_cast<double>(max_step), delta);
}

NeedleScale::NeedleScale(IntPoint position, const std::vector<TableEntry>& table) {
    double previous = 0;
    for (const TableEntry& e : table) {
        const double d = direction_degrees(position, {e.x, e.y});
        if (angles_.empty()) {
            angles_.push_back(d);
        } else {
            double step = std::fmod(d - previous, 360.0);
            if (step <= 0) step += 360.0;
            angles_.push_back(angles_.back() + step);
        }
        values_.push_back(e.value);
        previous = d;
    }
    const double turns = (angles_.back() - angles_.front()) / 360.0;
    const double whole = std::round(turns);
    if (whole >= 1 && std::fabs(turns - whole) < 1e-9) turns_ = static_cast<long>(whole);
}

// The angle of a value that lies within the table's values, or of the
// nearer end for one beyond them.
double NeedleScale::within_table(double value) const {
    // Along the array the values rise or fall; s turns both into rising.
    const double s = values_.back() > values_.front() ? 1.0 : -1.0;
    if (s * value <= s * values_.front()) return angles_.front();
    for (std::size_t i = 1; i < values_.size(); ++i) {
        if (s * value <= s * values_[i]) {
            const double t = (value - values_[i - 1]) / (values_[i] - values_[i - 1]);
            return angles_[i - 1] + t * (angles_[i] - angles_[i - 1]);
        }
    }
    return angles_.back();
}

std::optional<double> NeedleScale::degrees_for(double value) const {
    if (std::isnan(value)) return std::nullopt;
    if (!has_table()) {
        if (std::isinf(value)) return std::nullopt;
        return 90.0 + value;
    }
    if (!periodic()) return within_table(value);
    if (std::isinf(value)) return std::nullopt;
    const double span = values_.back() - values_.front();
    const double laps = std::floor((value - values_.front()) / span);
    if (laps == 0 || (laps == 1 && value == values_.back())) return within_table(value);
    // The same place on the table, laps whole scale lengths away.
    const double rest = value - laps * span;
    const double degrees = laps * 360.0 * static_cast<double>(turns_) + within_table(rest);
    // So far out that whole turns can no longer be counted.
    if (!std::isfinite(degrees) || std::isnan(rest)) return std::nullopt;
    return degrees;
}

}  // namespace vexmoor::panel
