#include "rays.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <vector>

namespace vexmoor::test {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

double fold(double degrees) {
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

std::string describe(Rgba p) {
    std::ostringstream out;
    out << "(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", a " << int(p.a) << ")";
    return out.str();
}

}  // namespace

double bearing(IntPoint from, IntPoint to) {
    return fold(std::atan2(double(to.x - from.x), double(from.y - to.y)) / kDegree);
}

double clockwise_between(double a, double b, double t) {
    double step = fold(b - a);
    if (step == 0) step = 360;
    return fold(a + t * step);
}

double angle_difference(double a, double b) {
    const double d = fold(a - b);
    return d > 180 ? d - 360 : d;
}

Point on_ray(IntPoint pivot, double direction, double r) {
    return {pivot.x + 0.5 + r * std::sin(direction * kDegree), pivot.y + 0.5 - r * std::cos(direction * kDegree)};
}

Rgba along(const RgbaImage& picture, IntPoint pivot, double direction, double r) {
    const Point p = on_ray(pivot, direction, r);
    return pixel(picture, int(std::floor(p.x)), int(std::floor(p.y)));
}

testing::AssertionResult blade_along(const RgbaImage& picture, const RgbaImage& without, IntPoint pivot,
                                     double direction, const Blade& blade) {
    int changed = 0, points = 0;
    for (double r = blade.from + 1; r <= blade.to - 3; r += 0.5, ++points) {
        const Rgba p = along(picture, pivot, direction, r);
        if (!pale_cream(p)) {
            return testing::AssertionFailure() << "no blade " << r << " pixels out along " << direction
                                               << " degrees: " << describe(p);
        }
        changed += p != along(without, pivot, direction, r);
    }
    if (2 * changed < points) {
        return testing::AssertionFailure() << "along " << direction << " degrees only " << changed << " of " << points
                                           << " points differ from the gauge without the needle";
    }
    for (double r = blade.to + 2; r <= blade.to + 5; r += 0.5) {
        if (along(picture, pivot, direction, r) != along(without, pivot, direction, r)) {
            return testing::AssertionFailure() << "the needle reaches " << r << " pixels out along " << direction
                                               << " degrees, past its tip at " << blade.to;
        }
    }
    const double clear = blade.half_width + 1.5;  // the blade's edge and the smoothing beside it
    for (double side : {-blade.side_degrees, blade.side_degrees}) {
        for (double r = blade.from; r <= blade.to; r += 0.5) {
            if (r * std::sin(std::abs(side) * kDegree) <= clear) continue;
            const Rgba p = along(picture, pivot, direction + side, r);
            if (p != along(without, pivot, direction + side, r)) {
                return testing::AssertionFailure() << "the needle shows " << r << " pixels out along "
                                                   << direction + side << " degrees, " << side
                                                   << " from its ray: " << describe(p);
            }
        }
    }
    return testing::AssertionSuccess();
}

double blade_direction(const RgbaImage& picture, const RgbaImage& without, IntPoint pivot, const Blade& blade) {
    std::vector<int> score(360 * 4, 0);
    int best = 0;
    for (std::size_t i = 0; i < score.size(); ++i) {
        for (double r = blade.from + 1; r <= blade.to - 3; r += 0.5) {
            const Rgba p = along(picture, pivot, i * 0.25, r);
            score[i] += pale_cream(p) && p != along(without, pivot, i * 0.25, r);
        }
        best = std::max(best, score[i]);
    }
    // The circular mean of the best directions.
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < score.size(); ++i) {
        if (score[i] != best) continue;
        sx += std::sin(i * 0.25 * kDegree);
        sy += std::cos(i * 0.25 * kDegree);
    }
    return fold(std::atan2(sx, sy) / kDegree);
}

}  // namespace vexmoor::test
