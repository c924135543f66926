// The attitude gauge's two knobs drawn at the ends of their tables: each
// centred where its pivot puts it, and turned so that its bitmap's right-hand
// side faces the table point. A knob has no blade; its face's highlight,
// lit from the upper left of the bitmap, shows which way it is turned.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "rays.h"

namespace vexmoor::test {
namespace {

constexpr int kRightKnob = 6, kLeftKnob = 7;
constexpr double kDegree = std::numbers::pi / 180;
// The knob disc of 0x1140 / 0x1150, 27 pixels across, is centred on its
// bitmap's centre (13.5, 13.5), one pixel up and left of the pivot pixel
// (14, 14)'s centre; the face lies within 8.5 pixels of it.
constexpr double kFaceRadius = 8.5;

struct Weighted {
    Point middle;
    double weight = 0;
};

// The middle of the drawn pixels (by coverage) of a picture that shows the
// knob alone. A turned knob may reach past the gauge's edge, so only pixels
// whose mirror image about `about` lies on the picture too are counted.
Weighted footprint(const RgbaImage& knob, Point about) {
    Weighted w;
    for (int y = 0; y < knob.height; ++y) {
        for (int x = 0; x < knob.width; ++x) {
            const double mx = 2 * about.x - (x + 0.5), my = 2 * about.y - (y + 0.5);
            if (mx < 0 || my < 0 || mx >= knob.width || my >= knob.height) continue;
            const double a = knob.at(x, y).a;
            w.middle.x += a * (x + 0.5);
            w.middle.y += a * (y + 0.5);
            w.weight += a;
        }
    }
    w.middle.x /= w.weight;
    w.middle.y /= w.weight;
    return w;
}

// The direction of the face's light from the disc's centre: the middle of
// the face's brightness.
double highlight(const RgbaImage& knob, Point centre) {
    double sx = 0, sy = 0;
    for (int y = 0; y < knob.height; ++y) {
        for (int x = 0; x < knob.width; ++x) {
            const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y;
            if (dx * dx + dy * dy > kFaceRadius * kFaceRadius) continue;
            const Rgba p = knob.at(x, y);
            const double light = (p.r + p.g + p.b) * p.a / 255.0;
            sx += light * dx;
            sy += light * dy;
        }
    }
    return std::fmod(std::atan2(sx, -sy) / kDegree + 360, 360);
}

// The knob bitmap as drawn unturned (pointing right, 90 degrees).
RgbaImage unturned(const Bitmap& knob) {
    RgbaImage picture(knob.width, knob.height);
    for (int y = 0; y < knob.height; ++y) {
        for (int x = 0; x < knob.width; ++x) {
            if (knob.at(x, y) != kPureBlack) picture.at(x, y) = opaque(knob.at(x, y));
        }
    }
    return picture;
}

TEST(AttitudeKnobsRender, EachKnobIsCentredOnItsPivotAndTurnedTowardItsTableEnd) {
    const struct {
        const char* name;
        int order;
        std::uint32_t token;
        double value;
        IntPoint pivot;
        IntPoint table_point;
    } cases[] = {
        {"right_knob_0", kRightKnob, 825, 0, {119, 119}, {117, 103}},
        {"right_knob_1", kRightKnob, 825, 1, {119, 119}, {131, 117}},
        {"left_knob_-100", kLeftKnob, 612, -100, {15, 119}, {1, 117}},
        {"left_knob_100", kLeftKnob, 612, 100, {15, 119}, {29, 117}},
    };
    GaugeView attitude("Attitude");
    const double light = highlight(unturned(attitude.bitmap(0x1140)), {13.5, 13.5});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        attitude.settle(c.token, c.value);
        keep_picture(attitude.render(), std::string("attitude_") + c.name);
        const RgbaImage knob = attitude.render_only({c.order});
        const double direction = bearing(c.pivot, c.table_point);
        const double turn = (direction - 90) * kDegree;
        const Point centre{c.pivot.x + 0.5 - std::cos(turn) + std::sin(turn),
                           c.pivot.y + 0.5 - std::sin(turn) - std::cos(turn)};
        const Weighted drawn = footprint(knob, centre);
        EXPECT_NEAR(drawn.middle.x, centre.x, 0.2);
        EXPECT_NEAR(drawn.middle.y, centre.y, 0.2);
        EXPECT_NEAR(angle_difference(highlight(knob, centre), light + direction - 90), 0, 4);
    }
}

}  // namespace
}  // namespace vexmoor::test
