// The scale a needle reads through its table: directions and reaches
// between the table points, the turn past the top, and tables it refuses.
#include <gtest/gtest.h>

#include "canvas.h"
#include "kit_scale.h"

namespace vexmoor::art {
namespace {

TEST(KitScale, ReadsBetweenThePointsClockwise) {
    // Pivot (10, 10): up 8 for 0, right 4 for 10, down 6 for 20, and up
    // again for 30, one turn on.
    const Scale scale(10, 10, {{0, 10, 2}, {10, 14, 10}, {20, 10, 16}, {30, 10, 2}});
    const struct {
        double value, angle, reach;
    } cases[] = {
        {0, 0, 8},      {5, 45, 6},    {10, 90, 4},   {15, 135, 5},  {20, 180, 6},
        {25, 270, 7},   {30, 360, 8},  {-10, -90, 12}, {40, 540, 10},  // beyond the ends: the end steps carried on
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(scale.angle(c.value), c.angle, 1e-9) << c.value;
        EXPECT_NEAR(scale.reach(c.value), c.reach, 1e-9) << c.value;
    }
    EXPECT_NEAR(scale.pivot().x, 10.5, 1e-9) << "the middle of the pivot pixel";
    const Point end = scale.at(10, 1);
    EXPECT_NEAR(end.x, 13.5, 1e-9);
    EXPECT_NEAR(end.y, 10.5, 1e-9);
}

TEST(KitScale, MarksEndOnTheirTablePoints) {
    const Scale scale(10, 10, {{0, 10, 2}, {10, 18, 10}});
    Canvas canvas(21, 21);
    draw_scale_marks(canvas.cr(), scale, {.values = {0, 10}, .length = 3.5, .width = 1, .colour = kScaleCream});
    const Image image = canvas.flatten(kDialFace, 0.5);
    const struct {
        int x, y;
        bool drawn;
    } cases[] = {{10, 2, true},  {10, 5, true},  {10, 1, false}, {10, 6, false},
                 {18, 10, true}, {15, 10, true}, {19, 10, false}, {14, 10, false}};
    for (const auto& c : cases) EXPECT_EQ(image.at(c.x, c.y) != kUndrawn, c.drawn) << c.x << "," << c.y;
}

TEST(KitScale, RefusesTablesItCannotRead) {
    const struct {
        const char* what;
        std::vector<ScalePoint> points;
    } cases[] = {
        {"a single point", {{0, 10, 2}}},
        {"a point on the pivot", {{0, 10, 2}, {10, 10, 10}}},
        {"values that fall", {{10, 10, 2}, {0, 14, 10}}},
        {"a value twice", {{0, 10, 2}, {0, 14, 10}}},
    };
    for (const auto& c : cases) EXPECT_THROW(Scale(10, 10, c.points), ArtError) << c.what;
}

}  // namespace
}  // namespace vexmoor::art
