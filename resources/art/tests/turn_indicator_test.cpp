// The turn indicator's bitmaps as written: where its marks, tube, wires and
// hub lie, and what the ball, the wires and the turn needle are made of.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "instrument_facts.h"
#include "kit_geometry.h"
#include "pixel_facts.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

// The glass of the tube (and its rim): a light, plain grey.
bool glass(Rgb c) { return brightness(c) >= 80 && greyish(c); }

struct Box {
    int left, top, right, bottom;  // inclusive
};

// The smallest box holding every pixel within `area` that `pick` accepts.
template <typename Pick>
Box bounds(const Bitmap& b, Box area, Pick pick) {
    Box found{area.right + 1, area.bottom + 1, area.left - 1, area.top - 1};
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x)
            if (pick(x, y, b.colour(x, y))) {
                found.left = std::min(found.left, x), found.right = std::max(found.right, x);
                found.top = std::min(found.top, y), found.bottom = std::max(found.bottom, y);
            }
    return found;
}

TEST(TurnIndicator, SizesAndColourTables) {
    const struct {
        std::uint16_t id;
        int width, height;
        std::uint32_t clr_used;
    } cases[] = {{0x1000, 133, 130, 256}, {0x1010, 19, 16, 256}, {0x1011, 24, 24, 256}, {0x1020, 36, 7, 41}};
    for (const auto& c : cases) {
        SCOPED_TRACE(hex_id(c.id));
        const Bitmap b = written_bitmap(c.id);
        EXPECT_EQ(b.width, c.width);
        EXPECT_EQ(b.height, c.height);
        EXPECT_EQ(b.bits, 8);
        EXPECT_EQ(b.clr_used, c.clr_used);
        EXPECT_EQ(b.table.size(), std::size_t(c.clr_used));
    }
}

TEST(TurnIndicator, DialUndrawnOnlyOutsideThePlatesRoundedCorners) {
    const Bitmap dial = written_bitmap(0x1000);
    const int undrawn = expect_undrawn_only_outside_rounded_corners(dial, 38);
    // What corners rounded to a radius of 38 pixels leave.
    EXPECT_EQ(undrawn, 1228);
}

TEST(TurnIndicator, IndexMarksWhereTheNeedlePoints) {
    const Bitmap dial = written_bitmap(0x1000);
    const struct {
        const char* which;
        Box area;      // where to look, clear of other markings
        Box expected;  // the mark's cream pixels
        Point table;   // the turn needle's table point for this mark
        int row;       // a row through the middle of the mark
    } cases[] = {
        {"left, -546", {36, 8, 56, 28}, {42, 17, 51, 26}, {38, 0}, 21},
        {"centre, 0", {56, 4, 77, 27}, {61, 13, 72, 21}, {67, 0}, 17},
        {"right, 546", {77, 8, 97, 28}, {82, 17, 90, 26}, {93, 0}, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.which);
        const Box got = bounds(dial, c.area, [](int, int, Rgb colour) { return cream(colour); });
        EXPECT_EQ(got.left, c.expected.left);
        EXPECT_EQ(got.top, c.expected.top);
        EXPECT_EQ(got.right, c.expected.right);
        EXPECT_EQ(got.bottom, c.expected.bottom);
        // From the hub (67, 97) toward the table point, the needle crosses the mark.
        const double y = c.row + 0.5, x = 67 + (c.table.x - 67) * (97 - y) / 97;
        EXPECT_TRUE(cream(dial.colour(int(std::floor(x)), c.row))) << "at column " << x;
    }
}

TEST(TurnIndicator, TubeSpansItsColumnsAndCarriesTheBallsTablePoints) {
    const Bitmap dial = written_bitmap(0x1000);
    // On the face (centre 66.5, 65; radius 56.5), between the housing's
    // rivets and the hub.
    const Box tube = bounds(dial, {0, 60, 132, 91}, [](int x, int y, Rgb c) {
        return std::hypot(x + 0.5 - 66.5, y + 0.5 - 65) < 55 && glass(c);
    });
    EXPECT_EQ(tube.left, 21);
    EXPECT_EQ(tube.right, 112);
    EXPECT_GE(tube.top, 65);
    EXPECT_LE(tube.top, 67);
    EXPECT_GE(tube.bottom, 89);
    EXPECT_LE(tube.bottom, 90);

    // The ball's table points lie on the tube's lower edge: glass at or next
    // to each, none two rows below.
    for (const Point p : {Point{103, 87}, Point{66, 90}, Point{29, 87}}) {
        SCOPED_TRACE(std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) near |= glass(dial.colour(int(p.x) + dx, int(p.y) + dy));
        EXPECT_TRUE(near);
        for (int dx = -1; dx <= 1; ++dx) EXPECT_FALSE(glass(dial.colour(int(p.x) + dx, int(p.y) + 2)));
    }
}

TEST(TurnIndicator, WiresCrossTheTubeAndTheHubDotMarksThePivot) {
    const Bitmap dial = written_bitmap(0x1000);
    for (int y = 74; y <= 86; ++y) {
        for (int x : {55, 56, 77, 78}) EXPECT_LT(brightness(dial.colour(x, y)), 60) << "wire at " << x << "," << y;
        for (int x : {54, 57, 76, 79}) EXPECT_TRUE(glass(dial.colour(x, y))) << "glass at " << x << "," << y;
    }
    for (int y = 96; y <= 97; ++y)
        for (int x = 66; x <= 67; ++x) EXPECT_GT(brightness(dial.colour(x, y)), 170) << "dot at " << x << "," << y;
    for (const auto& [x, y] : {std::pair{65, 96}, {68, 97}, {66, 95}, {67, 98}})
        EXPECT_LT(brightness(dial.colour(x, y)), 120) << "around the dot at " << x << "," << y;
}

TEST(TurnIndicator, HousingIsDarkerThanTheFace) {
    const Bitmap dial = written_bitmap(0x1000);
    const int face = std::min(brightness(dial.colour(66, 36)), brightness(dial.colour(66, 64)));
    for (int y = 48; y <= 58; ++y) EXPECT_LT(brightness(dial.colour(66, y)), face) << "row " << y;
}

TEST(TurnIndicator, BallIsAGreySphereUndrawnOnlyInItsCorners) {
    const Bitmap ball = written_bitmap(0x1010);
    int undrawn = 0, brightest = -1;
    Point light{};
    for (int y = 0; y < ball.height; ++y)
        for (int x = 0; x < ball.width; ++x) {
            const Rgb c = ball.colour(x, y);
            if (c == kUndrawn) {
                ++undrawn;
                EXPECT_TRUE((x < 5 || x > 13) && (y < 4 || y > 11)) << "undrawn at " << x << "," << y;
                continue;
            }
            EXPECT_TRUE(greyish(c)) << x << "," << y;
            if (brightness(c) > brightest) brightest = brightness(c), light = {double(x), double(y)};
        }
    for (const auto& [x, y] : {std::pair{0, 0}, {18, 0}, {0, 15}, {18, 15}})
        EXPECT_EQ(ball.colour(x, y), kUndrawn) << "corner " << x << "," << y;
    EXPECT_EQ(undrawn, 24) << "a circle 20.2 pixels across, cut to the bitmap";
    EXPECT_LT(light.x, 9.5) << "highlight on the left";
    EXPECT_LT(light.y, 8) << "highlight at the top";
}

TEST(TurnIndicator, ReferenceWiresDownBothEdges) {
    const Bitmap wires = written_bitmap(0x1011);
    const std::set<int> wire_columns = {0, 1, 2, 21, 22, 23};
    int undrawn = 0;
    for (int y = 0; y < wires.height; ++y)
        for (int x = 0; x < wires.width; ++x) {
            const bool black = wires.colour(x, y) == kUndrawn;
            undrawn += black;
            EXPECT_EQ(black, !wire_columns.contains(x)) << x << "," << y;
        }
    EXPECT_EQ(undrawn, 432);
    for (int x : wire_columns)
        for (int y = 1; y < wires.height; ++y)
            EXPECT_LE(brightness(wires.colour(x, y)), brightness(wires.colour(x, y - 1)))
                << "darker toward the bottom at " << x << "," << y;
    EXPECT_GT(brightness(wires.colour(1, 0)), brightness(wires.colour(1, 23)) + 60);
}

TEST(TurnIndicator, TurnNeedleHasADarkRootAndACreamBladeAndNoUndrawnPixel) {
    const Bitmap needle = written_bitmap(0x1020);
    std::set<Rgb> entries(needle.table.begin(), needle.table.end());
    EXPECT_EQ(entries.size(), 41u) << "41 different colours";
    EXPECT_FALSE(entries.contains(kUndrawn));
    std::set<std::uint8_t> used(needle.index.begin(), needle.index.end());
    EXPECT_EQ(used.size(), 41u) << "every entry used";
    for (int y = 0; y < needle.height; ++y)
        for (int x = 0; x < needle.width; ++x) EXPECT_NE(needle.colour(x, y), kUndrawn) << x << "," << y;
    for (int x = 0; x <= 10; ++x) {
        const Rgb c = needle.colour(x, 3);
        EXPECT_TRUE(greyish(c) && brightness(c) > 30 && brightness(c) < 110) << "dark grey root at column " << x;
    }
    for (int x = 11; x <= 35; ++x) EXPECT_TRUE(cream(needle.colour(x, 3))) << "cream blade at column " << x;
}

}  // namespace
}  // namespace vexmoor::art::test
