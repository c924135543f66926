// Where a needle points for a value. Angles are degrees clockwise on the
// screen (y down), measured from straight up.
//
// With a table, each entry's point is seen from the needle's position, and
// the entries are laid end to end clockwise along a cumulative scale: the
// first entry sits at its own direction (0 <= d < 360), and each later entry
// one step further, the step being its direction minus the previous one's,
// taken modulo 360 into (0, 360]. A step of exactly 180 degrees therefore
// turns clockwise, and a step of 0 (the same direction again) is a full turn.
// Only the order of the array matters, so a table whose values fall along
// the array works the same way.
//
// A value between two entries is placed linearly between their angles. A
// value beyond the first or last entry stops at that entry, except on a scale
// that spans whole turns (a positive multiple of 360 degrees from first to
// last entry): there the scale repeats, one span of the table's values per
// span of its angles, so on a 0..10000 table of ten turns 15500 lies ten
// turns plus the angle of 5500 from the start.
//
// Without a table the needle's bitmap, drawn pointing right, turns clockwise
// by the value in degrees: the direction is 90 + value.
#pragma once

#include <optional>
#include <vector>

#include "panel/gauge_model.h"

namespace vexmoor::panel {

// The direction of `to` seen from `from`, in [0, 360); 0 when they coincide.
double direction_degrees(IntPoint from, IntPoint to);
// An angle folded into [0, 360).
double fold_degrees(double degrees);
// One update of a needle that turns at most max_step degrees (0: no limit)
// from where it is toward where it is going, along its scale.
double step_toward(double current, double target, std::int32_t max_step);

class NeedleScale {
public:
    // The scale of a needle without a table.
    NeedleScale() = default;
    // A table of at least two entries whose values rise or fall strictly.
    NeedleScale(IntPoint position, const std::vector<TableEntry>& table);

    bool has_table() const { return !values_.empty(); }
    // The cumulative angle of each table entry.
    const std::vector<double>& entry_degrees() const { return angles_; }
    // Whether the scale spans whole turns and repeats beyond its ends.
    bool periodic() const { return turns_ > 0; }
    // Where a needle stands before its first update: the first entry of its
    // table, or, without a table, the bitmap as drawn (90).
    double start_degrees() const { return has_table() ? angles_.front() : 90.0; }
    // The cumulative angle for a value; none for a value that is not a
    // number, or on a periodic scale for one too large to count its turns.
    std::optional<double> degrees_for(double value) const;

private:
    double within_table(double value) const;

    std::vector<double> values_;
    std::vector<double> angles_;
    long turns_ = 0;  // whole turns of a periodic scale, else 0
};

}  // namespace vexmoor::panel
