// Colour-key transparency on the real module: the pure black around each
// needle's drawing is never drawn, so the dial shows there.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gauge_view.h"

namespace vexmoor::test {
namespace {

// At a multiple of 90 degrees the host copies a needle's pixels exactly:
// bitmap pixel (x, y) lands on position + the turned (x, y) - offset.
TEST(ColourKeyRender, PureBlackNeedlePixelsLeaveTheDialShowing) {
    const struct {
        const char* gauge;
        int order;
        std::uint32_t token;
        double value;
        int direction;
    } cases[] = {
        {"Airspeed", 2, 61, 0, 0},
        {"Altimeter", 4, 74, 250, 90},   // the long needle at 3 o'clock
        {"Altimeter", 4, 74, 500, 180},  // and straight down
        {"Altimeter", 3, 74, 5000, 180},
        {"Altimeter", 2, 74, 50000, 180},
        {"Turn_Indicator", 2, 69, 0, 180},  // the ball
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " element " + std::to_string(c.order) + " at " + std::to_string(c.value));
        GaugeView view(c.gauge);
        view.settle(c.token, c.value);
        ASSERT_EQ(view.state(c.order).direction_degrees, c.direction);
        const ElementRecord& needle = view.record(c.order);
        const Bitmap& bitmap = view.bitmap(needle.bitmap_id);
        const RgbaImage picture = view.render_only({1, c.order});
        const RgbaImage dial = view.render_only({1});
        const int turn = (c.direction + 270) % 360;  // clockwise from the bitmap's own way, pointing right
        const int cos = turn == 0 ? 1 : turn == 180 ? -1 : 0, sin = turn == 90 ? 1 : turn == 270 ? -1 : 0;
        int black = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const int u = x - needle.offset.x, v = y - needle.offset.y;
                const int gx = needle.position.x + u * cos - v * sin, gy = needle.position.y + u * sin + v * cos;
                if (!picture.contains(gx, gy)) continue;
                const Rgb p = bitmap.at(x, y);
                ASSERT_EQ(picture.at(gx, gy), p == kPureBlack ? dial.at(gx, gy) : opaque(p)) << x << "," << y;
                black += p == kPureBlack;
            }
        }
        EXPECT_GT(black, 0);
    }
}

// Turned to any other angle, no pure black of a needle appears: the
// pictures hold no opaque pure black pixel at all, and the dial's own
// undrawn corners stay transparent.
TEST(ColourKeyRender, TurnedNeedlesShowNoBlack) {
    const struct {
        const char* gauge;
        std::uint32_t token;
        double value;
    } cases[] = {
        {"Airspeed", 61, 125},
        {"Airspeed", 61, 400},
        {"Altimeter", 74, 3420},
        {"Altimeter", 74, 47777},
        {"Turn_Indicator", 69, 77},
        {"Turn_Indicator", 70, -300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " at " + std::to_string(c.value));
        GaugeView view(c.gauge);
        view.settle(c.token, c.value);
        const RgbaImage picture = view.render();
        const RgbaImage dial = view.render_only({1});
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                ASSERT_NE(picture.at(x, y), (Rgba{0, 0, 0, 255})) << x << "," << y;
                if (dial.at(x, y).a == 0) {
                    ASSERT_EQ(picture.at(x, y).a, 0) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
