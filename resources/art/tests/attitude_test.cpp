// The attitude indicator's bitmaps as written: the bezel's window, bank
// scale and pedestal, the two cards, the miniature aircraft and the copies
// and regions taken from the bezel.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "dib.h"
#include "instrument_facts.h"
#include "kit_geometry.h"
#include "output.h"
#include "pixel_facts.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {

constexpr Rgb kWindow{1, 1, 1};
constexpr Point kWindowCentre{66.5, 66.5};
constexpr double kWindowRadius = 45.5;
constexpr Point kCardCentre{66, 64};

double from_window_centre(int x, int y) { return std::hypot(x + 0.5 - kWindowCentre.x, y + 0.5 - kWindowCentre.y); }

std::size_t colours_used(const Bitmap& b) {
    std::set<Rgb> used;
    for (std::uint8_t i : b.index) used.insert(b.table.at(i));
    return used.size();
}

TEST(Attitude, SizesAndColourTables) {
    // 0 for a table of exactly the colours used.
    const struct {
        std::uint16_t id;
        int width, height;
        std::uint32_t clr_used;
    } cases[] = {{0x1100, 133, 133, 256}, {0x1110, 256, 256, 0}, {0x1111, 133, 133, 256}, {0x1120, 256, 256, 0},
                 {0x1121, 133, 133, 256}, {0x1130, 63, 40, 99},  {0x1131, 16, 50, 256}};
    for (const auto& c : cases) {
        SCOPED_TRACE(hex_id(c.id));
        const Bitmap b = written_bitmap(c.id);
        EXPECT_EQ(b.width, c.width);
        EXPECT_EQ(b.height, c.height);
        EXPECT_EQ(b.bits, 8);
        if (c.clr_used == 0) {
            EXPECT_EQ(b.clr_used, colours_used(b));
        } else {
            EXPECT_EQ(b.clr_used, c.clr_used);
        }
        EXPECT_EQ(b.table.size(), std::size_t(b.clr_used));
    }
}

TEST(Attitude, CompanionsAreCopiesOfTheBezel) {
    const auto bezel = read_file(art_dir() / bitmap_file_name(0x1100));
    for (std::uint16_t id : {0x1111, 0x1121}) EXPECT_EQ(read_file(art_dir() / bitmap_file_name(id)), bezel) << hex_id(id);
}

TEST(Attitude, BezelUndrawnOnlyOutsideItsRoundedCorners) {
    const Bitmap bezel = written_bitmap(0x1100);
    const int undrawn = expect_undrawn_only_outside_rounded_corners(bezel, 11);
    EXPECT_EQ(undrawn, 100) << "what corners rounded to a radius of 11 pixels leave";
}

// The window's lowest row in a column: the plate closes it from row 83 at
// the pedestal, from row 88 beside it, sloping down to the window's edge.
TEST(Attitude, WindowIsItsOwnColourDownToThePlate) {
    const Bitmap bezel = written_bitmap(0x1100);
    int left = 133, right = -1, top = 133;
    for (int y = 0; y < bezel.height; ++y)
        for (int x = 0; x < bezel.width; ++x) {
            if (bezel.colour(x, y) != kWindow) continue;
            EXPECT_LT(from_window_centre(x, y), kWindowRadius + 0.5) << "window colour outside it at " << x << "," << y;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y);
        }
    EXPECT_EQ(left, 21);
    EXPECT_EQ(right, 111);
    EXPECT_EQ(top, 21);
    for (int y = 21; y <= 82; ++y)
        for (int x = 21; x <= 111; ++x)
            if (from_window_centre(x, y) < kWindowRadius - 1) {
                EXPECT_EQ(bezel.colour(x, y), kWindow) << x << "," << y;
            }

    // Down each column the window is one run, from its top edge to the plate.
    auto lowest = [&](int x) {
        int first = -1, last = -1;
        for (int y = 0; y < bezel.height; ++y)
            if (bezel.colour(x, y) == kWindow) {
                EXPECT_TRUE(first < 0 || last == y - 1) << "a gap in column " << x << " above row " << y;
                if (first < 0) first = y;
                last = y;
            }
        return last;
    };
    for (int x = 21; x <= 111; ++x) lowest(x);
    const struct {
        int column, lowest;
    } columns[] = {{60, 82}, {66, 82}, {73, 82}, {59, 83}, {74, 83}, {58, 87}, {75, 87}};
    for (const auto& c : columns) EXPECT_EQ(lowest(c.column), c.lowest) << "column " << c.column;
    // The shoulders meet the window's edge near row 99.
    for (int x : {36, 97}) {
        EXPECT_GE(lowest(x), 97) << "column " << x;
        EXPECT_LE(lowest(x), 100) << "column " << x;
    }
}

TEST(Attitude, BankScaleMarksAroundTheCardsCentre) {
    const Bitmap bezel = written_bitmap(0x1100);
    auto cream_at = [&](double degrees, double radius) {
        const Point p = on_circle(kCardCentre, radius, degrees);
        return cream(bezel.colour(int(std::floor(p.x)), int(std::floor(p.y))));
    };
    const struct {
        double degrees;
        bool mark;   // a mark crosses radius 54
        bool outer;  // a mark crosses radius 59: only the long ones and the widening index
    } cases[] = {
        {0, true, true},        {7.5, true, false},     {-7.5, true, false},  {15, true, false},
        {-15, true, false},     {22.5, true, false},    {-22.5, true, false}, {30, true, false},
        {-30, true, false},     {60, true, true},       {-60, true, true},    {90, true, true},
        {-90, true, true},      {3.75, false, true},    {11.25, false, false}, {-26.25, false, false},
        {45, false, false},     {-45, false, false},    {75, false, false},   {-75, false, false},
        {120, false, false},    {-120, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cream_at(c.degrees, 54), c.mark) << c.degrees << " degrees";
        EXPECT_EQ(cream_at(c.degrees, 59), c.outer) << c.degrees << " degrees, further out";
    }
    // The level marks lie on the centre's row, on the bezel beside the window.
    for (int x : {8, 10, 12, 120, 122, 124}) {
        EXPECT_TRUE(cream(bezel.colour(x, 63)) || cream(bezel.colour(x, 64))) << "column " << x;
        EXPECT_FALSE(cream(bezel.colour(x, 61)) || cream(bezel.colour(x, 66))) << "column " << x;
    }
}

TEST(Attitude, PedestalOverlayIsTheBezelsPedestal) {
    const Bitmap bezel = written_bitmap(0x1100), pedestal = written_bitmap(0x1131);
    EXPECT_EQ(pedestal.table, bezel.table) << "the same colour table";
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 16; ++x) {
            const Rgb under = bezel.colour(59 + x, 83 + y), over = pedestal.colour(x, y);
            if (y == 0 && (x == 0 || x == 15)) {
                EXPECT_EQ(over, kUndrawn) << "top corner " << x;
                EXPECT_EQ(under, kWindow) << "window beside the pedestal's top, column " << 59 + x;
                continue;
            }
            EXPECT_EQ(over, under) << x << "," << y;
            EXPECT_NE(over, kUndrawn) << x << "," << y;
            EXPECT_NE(over, kWindow) << x << "," << y;
        }
}

TEST(Attitude, HorizonCardIsADarkFieldWithTheBar) {
    const Bitmap card = written_bitmap(0x1110);
    constexpr Rgb kField{17, 17, 17}, kOutline{226, 210, 158}, kFill{255, 243, 207};
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool bar = x >= 35 && x <= 219 && y >= 125 && y <= 131;
            const bool fill = x >= 37 && x <= 217 && y >= 127 && y <= 129;
            const Rgb expected = fill ? kFill : bar ? kOutline : kField;
            ASSERT_EQ(card.colour(x, y), expected) << x << "," << y;
        }
}

TEST(Attitude, BankPointerCardHoldsOnlyTheTriangle) {
    const Bitmap card = written_bitmap(0x1120);
    int previous_width = 0;
    for (int y = 0; y < 256; ++y) {
        int first = -1, last = -1, drawn = 0;
        for (int x = 0; x < 256; ++x) {
            const Rgb c = card.colour(x, y);
            if (c == kUndrawn) continue;
            EXPECT_TRUE(cream(c)) << x << "," << y;
            if (first < 0) first = x;
            last = x;
            ++drawn;
        }
        if (y < 38 || y > 52) {
            EXPECT_EQ(drawn, 0) << "row " << y;
            continue;
        }
        SCOPED_TRACE("row " + std::to_string(y));
        EXPECT_EQ(drawn, last - first + 1) << "one run";
        EXPECT_EQ(first + last, 253) << "centred on the card";
        EXPECT_GE(drawn, previous_width) << "widening toward the base";
        previous_width = drawn;
        if (y == 38) {
            EXPECT_EQ(first, 126) << "the tip";
        } else if (y == 52) {
            EXPECT_EQ(first, 121) << "the base";
        }
    }
}

TEST(Attitude, MiniatureAircraft) {
    const Bitmap plane = written_bitmap(0x1130);
    auto drawn = [&](int x, int y) { return plane.colour(x, y) != kUndrawn; };
    int undrawn = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 63; ++x) {
            undrawn += !drawn(x, y);
            EXPECT_EQ(drawn(x, y), drawn(62 - x, y)) << "symmetric at " << x << "," << y;
        }
    EXPECT_EQ(undrawn, 2000);

    // Wing bars and the top of the post pale; nothing else on those rows.
    for (int y = 0; y <= 3; ++y)
        for (int x = 0; x < 63; ++x) {
            const bool bar = x <= 18 || x >= 44 || (x >= 30 && x <= 32);
            if (!bar) {
                EXPECT_FALSE(drawn(x, y)) << x << "," << y;
            } else {
                EXPECT_GT(brightness(plane.colour(x, y)), 150) << "pale at " << x << "," << y;
            }
        }
    // The arms come down from the wings' inner ends and meet the post at
    // rows 13 to 19.
    for (int y = 4; y < 20; ++y) {
        const bool meets = y >= 13 && y <= 19;
        EXPECT_EQ(drawn(29, y), meets) << "row " << y;
        EXPECT_EQ(drawn(33, y), meets) << "row " << y;
    }
    EXPECT_TRUE(drawn(16, 5) && drawn(46, 5)) << "arms leave the wings";
    for (int y = 0; y < 20; ++y)
        for (int x = 30; x <= 32; ++x) EXPECT_TRUE(drawn(x, y)) << "post at " << x << "," << y;
    // The stem: dark grey, seven columns wide, down to the bottom row.
    for (int y = 20; y < 40; ++y)
        for (int x = 27; x <= 35; ++x) {
            const bool stem = x >= 28 && x <= 34;
            EXPECT_EQ(drawn(x, y), stem) << x << "," << y;
            if (stem) {
                EXPECT_LT(brightness(plane.colour(x, y)), 110) << x << "," << y;
            }
        }

    ASSERT_EQ(plane.table.size(), 99u);
    EXPECT_EQ(plane.table.front(), kUndrawn);
    const std::set<Rgb> drawn_entries(plane.table.begin() + 1, plane.table.end());
    EXPECT_EQ(drawn_entries.size(), 98u) << "98 different drawn colours";
    EXPECT_FALSE(drawn_entries.contains(kUndrawn));
}

}  // namespace
}  // namespace vexmoor::art::test
