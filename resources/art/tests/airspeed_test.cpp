// The airspeed indicator's bitmaps as written: the dial with its uneven
// scale and the needle that turns over it.
#include <gtest/gtest.h>

#include <string>

#include "instrument_facts.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

constexpr int kPivotX = 66, kPivotY = 62;
constexpr Rgb kFace{33, 33, 33}, kCream{214, 206, 181}, kBlade{220, 219, 202};

const std::vector<TablePoint> kTable = {{0, 66, 5},     {50, 94, 13},   {100, 107, 21}, {150, 125, 62},
                                        {200, 106, 108}, {250, 57, 123}, {300, 16, 97},  {400, 6, 70},
                                        {500, 9, 44},    {600, 24, 21},  {700, 47, 7}};

Reading reading(double mph) { return read_table(kPivotX, kPivotY, kTable, mph); }

TEST(Airspeed, BothBitmapsAreEightBitsWithAFullTable) {
    expect_eight_bits_with_full_tables({{0x1300, 133, 131}, {0x1310, 88, 13}});
}

TEST(Airspeed, DialIsUndrawnOnlyOutsideItsBevelledCase) {
    const Bitmap dial = written_bitmap(0x1300);
    const int black_pixels = expect_undrawn_only_beyond_bevels(dial, 8.5);
    EXPECT_EQ(black_pixels, 4 * 36) << "36 pixels beyond each corner's bevel";
}

TEST(Airspeed, EachTablePointEndsItsNumeralsMark) {
    const Bitmap dial = written_bitmap(0x1300);
    for (const TablePoint& p : kTable) {
        SCOPED_TRACE(std::to_string(int(p.value)) + " at " + std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_LE(distance(dial.colour(p.x, p.y), kCream), 12);
        const Reading r = reading(p.value);
        const Pixel in = pixel_at(kPivotX, kPivotY, r.angle, r.reach - 6);
        const Pixel out = pixel_at(kPivotX, kPivotY, r.angle, r.reach + 2);
        EXPECT_LE(distance(dial.colour(in.x, in.y), kCream), 12) << "the long mark";
        EXPECT_GT(distance(dial.colour(out.x, out.y), kCream), 30) << "beyond the mark, at the ring";
    }
}

// The marks between the numerals, where the needle reads them, each with
// bare face halfway to its neighbours.
TEST(Airspeed, MarksBetweenTheNumeralsFollowTheUnevenScale) {
    std::vector<double> marks = {0, 12.5, 25, 37.5, 50, 75};
    for (int v = 100; v <= 300; v += 10) marks.push_back(v);
    for (int v = 350; v <= 700; v += 50) marks.push_back(v);
    const Bitmap dial = written_bitmap(0x1300);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        SCOPED_TRACE("mark at " + std::to_string(marks[i]));
        const Reading on = reading(marks[i]);
        const Pixel p = pixel_at(kPivotX, kPivotY, on.angle, on.reach - 2);
        EXPECT_TRUE(bright_near(dial, p)) << "on the mark at " << p.x << "," << p.y;
        if (i + 1 == marks.size()) break;
        const Reading between = reading((marks[i] + marks[i + 1]) / 2);
        const Pixel q = pixel_at(kPivotX, kPivotY, between.angle, between.reach - 2);
        EXPECT_LE(distance(dial.colour(q.x, q.y), kFace), 10) << "between marks at " << q.x << "," << q.y;
    }
    // Nothing is marked in the gap from 700 back round to 0.
    for (double angle = 341 + 4; angle < 360 - 4; angle += 1) {
        const Pixel q = pixel_at(kPivotX, kPivotY, angle, 56);
        EXPECT_LE(distance(dial.colour(q.x, q.y), kFace), 10) << "in the gap at " << q.x << "," << q.y;
    }
}

TEST(Airspeed, FaceIsDarkGreyAndMphStandsBelowTheCentre) {
    const Bitmap dial = written_bitmap(0x1300);
    EXPECT_LE(distance(dial.colour(kPivotX, kPivotY), kFace), 8) << "the pivot";
    int below = 0, above = 0;
    for (int x = kPivotX - 16; x <= kPivotX + 16; ++x)
        for (int d = 16; d <= 30; ++d) {
            below += bright(dial.colour(x, kPivotY + d));
            above += bright(dial.colour(x, kPivotY - d));
        }
    EXPECT_GT(below, 20) << "the letters M.P.H";
    EXPECT_EQ(above, 0);
}

TEST(Airspeed, NeedleLiesWhereItsColumnsSay) {
    const Bitmap needle = written_bitmap(0x1310);
    // The counterweight in columns 0 to 12, a thin arm, the hub disc
    // centred on (31, 6) and the blade from column 38 to its point in column 87.
    expect_shape(needle,
                 {disc_piece(6, 6, 6.5), box_piece(0, 0, 6, 6), box_piece(12, 12, 6, 6), box_piece(13, 25, 5, 7),
                  disc_piece(31, 6, 6.5), box_piece(38, 77, 4, 8), box_piece(87, 87, 6, 6)},
                 {disc_piece(6, 6, 6.5), box_piece(6, 31, 5, 7), disc_piece(31, 6, 6.5), box_piece(31, 87, 4, 8)},
                 "0x1310");
    for (int x = 0; x < needle.width; ++x)
        for (int d = 1; d <= 6; ++d)
            EXPECT_EQ(undrawn(needle.colour(x, 6 - d)), undrawn(needle.colour(x, 6 + d)))
                << "column " << x << ": the needle must not lean";
    for (const int x : {6, 31}) EXPECT_TRUE(dark(needle.colour(x, 6))) << "dark grey disc at column " << x;
    for (int x = 15; x <= 23; ++x) EXPECT_TRUE(dark(needle.colour(x, 6))) << "dark arm at column " << x;
    for (int x = 38; x <= 77; ++x) EXPECT_LE(distance(needle.colour(x, 6), kBlade), 8) << "pale cream at column " << x;
    EXPECT_TRUE(bright(needle.colour(87, 6))) << "the point";
    EXPECT_TRUE(undrawn(needle.colour(87, 5))) << "a point one pixel wide";
}

}  // namespace
}  // namespace vexmoor::art::test
