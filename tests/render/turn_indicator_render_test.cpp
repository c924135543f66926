// The turn indicator drawn: the turn needle swung about the hub dot onto the
// index marks, and the inclinometer ball swung about a pivot far above the
// gauge along its tube, behind the reference wires.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "rays.h"

namespace vexmoor::test {
namespace {

constexpr int kBall = 2, kNeedle = 4;  // the wires, 3, lie between them
constexpr IntPoint kNeedlePivot{67, 97};
constexpr IntPoint kBallPivot{66, -105};
// 0x1020 starts 44 pixels out; its cream blade runs from its column 11 (55
// out) to the tip at column 35 (79 out); 7 rows thick.
constexpr Blade kNeedleBlade{.from = 55, .to = 79, .half_width = 3.5, .side_degrees = 8};
// The ball 0x1010, 19 pixels along the arm from 175 out, its middle 184 out.
constexpr double kBallMiddle = 184;

struct Box {
    int left, top, right, bottom;
    bool holds(Point p) const { return p.x >= left && p.x < right + 1 && p.y >= top && p.y < bottom + 1; }
};

TEST(TurnIndicatorRender, TheNeedlePointsAtTheIndexMarks) {
    const struct {
        double rate;
        IntPoint table_point;
        Box mark;
    } cases[] = {
        {0, {67, 0}, {61, 13, 72, 21}},
        {-546, {38, 0}, {42, 17, 51, 26}},
        {546, {93, 0}, {82, 17, 90, 26}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        GaugeView turn("Turn_Indicator");
        turn.settle(70, c.rate);
        const RgbaImage picture = turn.render();
        keep_picture(picture, "turn_needle_" + std::to_string(int(c.rate)));
        const double direction = bearing(kNeedlePivot, c.table_point);
        const RgbaImage without = turn.render_without({kNeedle});
        EXPECT_TRUE(blade_along(picture, without, kNeedlePivot, direction, kNeedleBlade));
        // Its dark root from 44 out, on the tube's housing; nothing nearer the pivot.
        for (double r = 45; r <= 53; r += 1) {
            const Rgba root = along(picture, kNeedlePivot, direction, r);
            EXPECT_NE(root, along(without, kNeedlePivot, direction, r)) << r;
            EXPECT_LT(root.r, 100) << r;
        }
        for (double r = 30; r <= 42; r += 0.5) {
            EXPECT_EQ(along(picture, kNeedlePivot, direction, r), along(without, kNeedlePivot, direction, r)) << r;
        }
        const Point tip = on_ray(kNeedlePivot, direction, kNeedleBlade.to - 1);
        EXPECT_TRUE(c.mark.holds(tip)) << "tip at " << tip.x << "," << tip.y;
    }
}

// The middle of the pixels where one picture differs from another.
Point middle_of_changes(const RgbaImage& picture, const RgbaImage& without, int* count = nullptr) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == without.at(x, y)) continue;
            sx += x + 0.5;
            sy += y + 0.5;
            ++n;
        }
    }
    if (count) *count = n;
    return n == 0 ? Point{} : Point{sx / n, sy / n};
}

// The columns where the ball shows in the picture.
struct Columns {
    int first = 1000, last = -1;
};
Columns ball_columns(const RgbaImage& picture, const RgbaImage& without) {
    Columns c;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == without.at(x, y)) continue;
            c.first = std::min(c.first, x);
            c.last = std::max(c.last, x);
        }
    }
    return c;
}

TEST(TurnIndicatorRender, TheBallSwingsOnItsArmBetweenAndBeyondTheWires) {
    const struct {
        double slip;
        IntPoint table_point;
        int first_column, last_column;  // where all of the ball must show
    } cases[] = {
        {0, {66, 90}, 58, 75},      // between the wires (columns 55 to 57 and 76 to 78)
        {127, {103, 87}, 79, 132},  // right of the right wire
        {-127, {29, 87}, 0, 54},    // left of the left wire
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slip);
        GaugeView turn("Turn_Indicator");
        turn.settle(69, c.slip);
        const RgbaImage picture = turn.render();
        keep_picture(picture, "turn_ball_" + std::to_string(int(c.slip)));
        int pixels = 0;
        const Point ball = middle_of_changes(turn.render_only({1, kBall}), turn.render_only({1}), &pixels);
        EXPECT_GT(pixels, 200);
        const Point expected = on_ray(kBallPivot, bearing(kBallPivot, c.table_point), kBallMiddle);
        EXPECT_NEAR(ball.x, expected.x, 1);
        EXPECT_NEAR(ball.y, expected.y, 1);
        const Columns shown = ball_columns(picture, turn.render_without({kBall}));
        EXPECT_GE(shown.first, c.first_column);
        EXPECT_LE(shown.last, c.last_column);
    }
}

// At ±40 the ball sits across a wire: where they overlap the wire shows,
// and the ball shows either side of it.
TEST(TurnIndicatorRender, TheBallPassesBehindTheWires) {
    const IntPoint at{55, 67};  // where the wires 0x1011 lie
    for (const auto& [slip, wire_column] : {std::pair{40.0, 76}, std::pair{-40.0, 55}}) {
        SCOPED_TRACE(slip);
        GaugeView turn("Turn_Indicator");
        const Bitmap& wires = turn.bitmap(0x1011);
        turn.settle(69, slip);
        const RgbaImage picture = turn.render();
        keep_picture(picture, "turn_ball_behind_" + std::to_string(int(slip)));
        const RgbaImage ball_alone = turn.render_only({1, kBall});
        const RgbaImage face = turn.render_only({1});
        const RgbaImage no_ball = turn.render_without({kBall});
        int hidden = 0;
        for (int x = wire_column; x < wire_column + 3; ++x) {
            for (int y = at.y; y < at.y + wires.height; ++y) {
                if (ball_alone.at(x, y) == face.at(x, y)) continue;  // no ball here
                ASSERT_NE(wires.at(x - at.x, y - at.y), kPureBlack);
                EXPECT_EQ(picture.at(x, y), no_ball.at(x, y)) << x << "," << y;
                ++hidden;
            }
        }
        EXPECT_GE(hidden, 3 * 12) << "the ball lies across all three wire columns";
        const Columns shown = ball_columns(picture, no_ball);
        EXPECT_LT(shown.first, wire_column);
        EXPECT_GT(shown.last, wire_column + 2);
    }
}

}  // namespace
}  // namespace vexmoor::test
