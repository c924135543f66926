// The altimeter's bitmaps as written: the dial its three needles turn over,
// and the needles themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "instrument_facts.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

constexpr int kPivotX = 66, kPivotY = 64;
constexpr Rgb kFace{41, 41, 49}, kCream{214, 206, 181}, kBlade{220, 219, 202};

// The broad and short needles' table: numeral k at the outer end of its mark.
const std::vector<TablePoint> kTable = {{0, 66, 6},    {1, 100, 18}, {2, 121, 46}, {3, 121, 83},
                                        {4, 100, 110}, {5, 66, 122}, {6, 33, 111}, {7, 11, 83},
                                        {8, 11, 46},   {9, 32, 17},  {10, 66, 6}};

Reading reading(double numeral) { return read_table(kPivotX, kPivotY, kTable, numeral); }

TEST(Altimeter, EveryBitmapIsEightBitsWithAFullTable) {
    expect_eight_bits_with_full_tables({{0x1200, 133, 131}, {0x1210, 81, 13}, {0x1220, 51, 17}, {0x1230, 31, 13}});
}

TEST(Altimeter, DialIsUndrawnOnlyOutsideItsBevelledCase) {
    const Bitmap dial = written_bitmap(0x1200);
    const int black_pixels = expect_undrawn_only_beyond_bevels(dial, 8.5);
    // Each corner's bevel, 8.5 pixels along both edges, leaves the 36
    // pixels whose middles lie beyond it.
    EXPECT_EQ(black_pixels, 4 * 36);
}

TEST(Altimeter, EachTablePointEndsItsNumeralsMark) {
    const Bitmap dial = written_bitmap(0x1200);
    for (const TablePoint& p : kTable) {
        SCOPED_TRACE("numeral " + std::to_string(int(p.value)) + " at " + std::to_string(p.x) + "," +
                     std::to_string(p.y));
        EXPECT_LE(distance(dial.colour(p.x, p.y), kCream), 12);
        // The mark runs inward from the point; beyond it lie face and ring.
        const Reading r = reading(p.value);
        const Pixel in = pixel_at(kPivotX, kPivotY, r.angle, r.reach - 5);
        const Pixel out = pixel_at(kPivotX, kPivotY, r.angle, r.reach + 2);
        EXPECT_LE(distance(dial.colour(in.x, in.y), kCream), 12);
        EXPECT_GT(distance(dial.colour(out.x, out.y), kCream), 30) << "beyond the mark";
    }
}

TEST(Altimeter, FiftyMarksWithTheFaceBetweenThem) {
    const Bitmap dial = written_bitmap(0x1200);
    for (int k = 0; k < 50; ++k) {
        SCOPED_TRACE("mark " + std::to_string(k));
        const Reading mark = reading(k / 5.0), between = reading((k + 0.5) / 5.0);
        const Pixel on = pixel_at(kPivotX, kPivotY, mark.angle, mark.reach - 2);
        const Pixel off = pixel_at(kPivotX, kPivotY, between.angle, between.reach - 2);
        EXPECT_TRUE(bright_near(dial, on)) << "on the mark at " << on.x << "," << on.y;
        EXPECT_LE(distance(dial.colour(off.x, off.y), kFace), 10) << "between marks at " << off.x << "," << off.y;
    }
}

TEST(Altimeter, NumeralsStandInsideTheirMarksAndTheFaceIsBareBetween) {
    const Bitmap dial = written_bitmap(0x1200);
    // Along the line from the pivot through numeral k's mark, and along the
    // line halfway to the next, from just inside the marks toward the centre.
    auto ink_along = [&](double numeral) {
        const Reading r = reading(numeral);
        int ink = 0;
        for (double reach = r.reach - 10; reach > 34; reach -= 0.5) {
            const Pixel p = pixel_at(kPivotX, kPivotY, r.angle, reach);
            ink += bright(dial.colour(p.x, p.y));
        }
        return ink;
    };
    for (int k = 0; k < 10; ++k) {
        EXPECT_GT(ink_along(k), 0) << "numeral " << k;
        EXPECT_EQ(ink_along(k + 0.5), 0) << "between numerals " << k << " and " << k + 1;
    }
}

TEST(Altimeter, FaceIsDarkGreyAndAltStandsLeftOfTheCentre) {
    const Bitmap dial = written_bitmap(0x1200);
    EXPECT_LE(distance(dial.colour(kPivotX, kPivotY), kFace), 8) << "the pivot";
    for (int k = 0; k < 10; ++k) {
        if (k == 7) continue;  // where ALT stands, halfway from 7 to 8
        const Pixel p = pixel_at(kPivotX, kPivotY, 18 + 36 * k, 30);
        EXPECT_LE(distance(dial.colour(p.x, p.y), kFace), 8) << "between numerals at " << p.x << "," << p.y;
    }
    int left = 0, right = 0;
    for (int y = kPivotY - 8; y <= kPivotY + 8; ++y)
        for (int d = 10; d <= 34; ++d) {
            left += bright(dial.colour(kPivotX - d, y));
            right += bright(dial.colour(kPivotX + d, y));
        }
    EXPECT_GT(left, 20) << "the letters ALT";
    EXPECT_EQ(right, 0);
}

struct NeedleCase {
    std::uint16_t id;
    int hub_x, axis;  // the hub's centre: where the host turns the needle
    int blade_from, tip;
    std::vector<Piece> solid, reach;
};

TEST(Altimeter, NeedlesLieWhereTheirColumnsSay) {
    const NeedleCase cases[] = {
        // Short: the hub disc, then the blade from column 13 to its point in column 30.
        {0x1230, 6, 6, 13, 30,
         {disc_piece(6, 6, 6.5), box_piece(13, 22, 4, 8), box_piece(30, 30, 6, 6)},
         {disc_piece(6, 6, 6.5), box_piece(6, 30, 4, 8)}},
        // Broad: the tail in columns 0 to 11, the hub disc, the leaf from
        // column 23, up to 11 pixels wide, to its point in column 50.
        {0x1220, 17, 8, 23, 50,
         {box_piece(0, 11, 5, 11), disc_piece(17, 8, 5.5), box_piece(23, 45, 7, 9), box_piece(31, 32, 3, 13),
          box_piece(50, 50, 8, 8)},
         {box_piece(0, 12, 3, 13), disc_piece(17, 8, 5.5), box_piece(23, 50, 3, 13)}},
        // Long: the counterweight in columns 0 to 12, a short arm, the hub
        // disc, and the blade from column 31 to its point in column 80.
        {0x1210, 24, 6, 31, 80,
         {disc_piece(6, 6, 6.5), box_piece(0, 0, 6, 6), box_piece(12, 12, 6, 6), box_piece(13, 18, 5, 7),
          disc_piece(24, 6, 6.5), box_piece(31, 71, 4, 8), box_piece(80, 80, 6, 6)},
         {disc_piece(6, 6, 6.5), box_piece(6, 24, 5, 7), disc_piece(24, 6, 6.5), box_piece(24, 80, 4, 8)}},
    };
    for (const NeedleCase& c : cases) {
        SCOPED_TRACE(hex_id(c.id));
        const Bitmap needle = written_bitmap(c.id);
        expect_shape(needle, c.solid, c.reach, hex_id(c.id));
        // Turned about its hub, the needle must not lean: what is drawn
        // above the middle row mirrors what is drawn below it.
        for (int x = 0; x < needle.width; ++x)
            for (int d = 1; d <= c.axis; ++d)
                EXPECT_EQ(undrawn(needle.colour(x, c.axis - d)), undrawn(needle.colour(x, c.axis + d)))
                    << "column " << x << ", " << d << " from the middle row";
        EXPECT_TRUE(dark(needle.colour(c.hub_x, c.axis))) << "dark grey hub";
        for (int x = c.blade_from; x < c.tip - 10; ++x)
            EXPECT_LE(distance(needle.colour(x, c.axis), kBlade), 24) << "pale cream blade at column " << x;
        EXPECT_TRUE(bright(needle.colour(c.tip, c.axis))) << "the point";
        EXPECT_TRUE(undrawn(needle.colour(c.tip, c.axis - 1))) << "a point one pixel wide";
    }
}

TEST(Altimeter, BroadNeedlesTailIsDark) {
    const Bitmap needle = written_bitmap(0x1220);
    for (int x = 0; x <= 11; ++x) EXPECT_TRUE(dark(needle.colour(x, 8))) << "column " << x;
}

}  // namespace
}  // namespace vexmoor::art::test
