// Needles turned about their pivot: the blade lies along the ray of its
// direction and nowhere near the neighbouring rays, a needle at a multiple
// of 90 degrees copies its pixels, and a pivot outside the bitmap swings it
// on a wide arc.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "scene.h"

namespace vexmoor::test {
namespace {

const Rgb kFace{60, 60, 60};
const Rgb kBlade{250, 240, 220};
const Rgb kHub{90, 90, 100};

// 40 x 5, pointing right: a hub around the pivot (5, 2) and a blade three
// rows thick from column 8 to the tip; everything else undrawn.
Bitmap needle_bitmap() {
    return painted(40, 5, [](int x, int y) {
        if (x >= 3 && x <= 7 && y >= 1 && y <= 3) return kHub;
        if (x >= 8 && y >= 1 && y <= 3) return kBlade;
        return kBlack;
    });
}

constexpr IntPoint kPivot{50, 50};

Scene needle_scene(double direction) {
    Scene scene(solid(100, 100, kFace));
    const std::size_t needle = scene.add(ElementKind::kNeedle, 0x1310, kPivot, 0x83);
    scene.gauge.elements[needle].offset = {5, 2};
    scene.bitmap(0x1310, needle_bitmap());
    scene.states[needle].direction_degrees = direction;
    return scene;
}

// The picture pixel at distance r from the pivot's centre along a direction
// (degrees clockwise from straight up).
Rgba along(const RgbaImage& picture, double direction, double r) {
    const double radians = direction * std::numbers::pi / 180;
    const double x = kPivot.x + 0.5 + r * std::sin(radians), y = kPivot.y + 0.5 - r * std::cos(radians);
    return picture.at(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

TEST(Needle, TheBladeLiesAlongItsRayAndNotAlongTheNeighbouringRays) {
    for (double direction : {0.0, 90.0, 180.0, 270.0, 45.0, 137.0, 341.0, -30.0}) {
        SCOPED_TRACE(direction);
        const RgbaImage picture = needle_scene(direction).render();
        keep_picture(picture, "needle_" + std::to_string(static_cast<int>(direction)));
        for (double r = 4; r <= 33; r += 0.5) {
            const Rgba p = along(picture, direction, r);
            ASSERT_EQ(p.a, 255);
            ASSERT_GE(p.r, 240) << "r = " << r;  // blade, at most a trace of the face
        }
        for (double side : {-10.0, 10.0}) {
            for (double r = 22; r <= 40; r += 0.5) {
                ASSERT_EQ(along(picture, direction + side, r), opaque(kFace)) << side << " degrees, r = " << r;
            }
        }
    }
}

// Picture pixel of needle bitmap pixel (x, y), for the exact turns.
struct ExactTurn {
    double direction;
    std::function<IntPoint(int x, int y)> place;
};

const ExactTurn kExactTurns[] = {
    {90, [](int x, int y) { return IntPoint{kPivot.x + x - 5, kPivot.y + y - 2}; }},
    {450, [](int x, int y) { return IntPoint{kPivot.x + x - 5, kPivot.y + y - 2}; }},
    {-270, [](int x, int y) { return IntPoint{kPivot.x + x - 5, kPivot.y + y - 2}; }},
    {180, [](int x, int y) { return IntPoint{kPivot.x - (y - 2), kPivot.y + (x - 5)}; }},
    {270, [](int x, int y) { return IntPoint{kPivot.x - (x - 5), kPivot.y - (y - 2)}; }},
    {0, [](int x, int y) { return IntPoint{kPivot.x + (y - 2), kPivot.y - (x - 5)}; }},
};

TEST(Needle, AtMultiplesOfNinetyDegreesItCopiesItsPixels) {
    const Bitmap bitmap = needle_bitmap();
    for (const ExactTurn& turn : kExactTurns) {
        SCOPED_TRACE(turn.direction);
        const RgbaImage picture = needle_scene(turn.direction).render();
        int drawn = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const Rgb c = bitmap.at(x, y);
                const IntPoint at = turn.place(x, y);
                ASSERT_EQ(picture.at(at.x, at.y), opaque(c == kBlack ? kFace : c)) << x << "," << y;
                drawn += c != kBlack;
            }
        }
        // Nothing else changed: every pixel differing from the face is a needle pixel.
        int changed = 0;
        for (const Rgba& p : picture.pixels) changed += p != opaque(kFace);
        EXPECT_EQ(changed, drawn);
    }
}

TEST(Needle, WithoutTheColourKeyItsBlackIsDrawnToo) {
    Scene scene = needle_scene(90);
    scene.gauge.elements[1].draw_flags = 0x2;
    const RgbaImage picture = scene.render();
    EXPECT_EQ(picture.at(kPivot.x - 5, kPivot.y - 2), opaque(kBlack));
    EXPECT_EQ(picture.at(kPivot.x - 6, kPivot.y - 2), opaque(kFace));
}

TEST(Needle, TurnedEdgesAreBlendedNotJagged) {
    const RgbaImage picture = needle_scene(45).render();
    int between = 0;
    for (const Rgba& p : picture.pixels) between += p.r > kFace.r + 10 && p.r < kBlade.r - 10;
    EXPECT_GT(between, 20);  // a fringe of partly covered pixels along both edges
}

// The inclinometer ball: pivot 105 pixels above the gauge, the ball 175 to
// 193 pixels out along the arm, so the needle slides it along a shallow arc.
TEST(Needle, APivotOutsideTheBitmapSwingsItOnAnArc) {
    const Rgb ball{170, 170, 175};
    struct Case {
        double direction;
        IntPoint inside, outside;
    };
    for (const Case& c : {Case{180, {66, 79}, {66, 60}}, Case{169.1, {101, 76}, {66, 79}},
                          Case{190.9, {31, 76}, {66, 79}}}) {
        SCOPED_TRACE(c.direction);
        Scene scene(solid(133, 130, kFace));
        const std::size_t i = scene.add(ElementKind::kNeedle, 0x1010, {66, -105}, 0x83);
        scene.gauge.elements[i].offset = {-175, 8};
        scene.bitmap(0x1010, solid(19, 16, ball));
        scene.states[i].direction_degrees = c.direction;
        const RgbaImage picture = scene.render();
        keep_picture(picture, "ball_" + std::to_string(static_cast<int>(c.direction * 10)));
        EXPECT_EQ(picture.at(c.inside.x, c.inside.y), opaque(ball));
        EXPECT_EQ(picture.at(c.outside.x, c.outside.y), opaque(kFace));
    }
}

}  // namespace
}  // namespace vexmoor::test
