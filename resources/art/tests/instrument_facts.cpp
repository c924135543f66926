#include "instrument_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "pixel_facts.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {

int distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

bool undrawn(Rgb c) { return c == Rgb{0, 0, 0}; }

static double luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }
bool bright(Rgb c) { return luma(c) > 150; }
bool dark(Rgb c) { return !undrawn(c) && luma(c) < 110; }

Reading read_table(int pivot_x, int pivot_y, const std::vector<TablePoint>& table, double value) {
    std::vector<Reading> polar;
    for (const TablePoint& p : table) {
        const double dx = p.x - pivot_x, dy = p.y - pivot_y;
        double angle = std::atan2(dx, -dy) * 180 / std::numbers::pi;
        while (!polar.empty() && angle < polar.back().angle) angle += 360;
        polar.push_back({angle, std::hypot(dx, dy)});
    }
    std::size_t i = 0;
    while (i + 2 < table.size() && value >= table[i + 1].value) ++i;
    const double t = (value - table[i].value) / (table[i + 1].value - table[i].value);
    return {polar[i].angle + t * (polar[i + 1].angle - polar[i].angle),
            polar[i].reach + t * (polar[i + 1].reach - polar[i].reach)};
}

Pixel pixel_at(int pivot_x, int pivot_y, double angle, double reach) {
    const double a = angle * std::numbers::pi / 180;
    return {int(std::floor(pivot_x + 0.5 + reach * std::sin(a))),
            int(std::floor(pivot_y + 0.5 - reach * std::cos(a)))};
}

bool bright_near(const Bitmap& bitmap, Pixel p) {
    for (int y = std::max(p.y - 1, 0); y <= std::min(p.y + 1, bitmap.height - 1); ++y)
        for (int x = std::max(p.x - 1, 0); x <= std::min(p.x + 1, bitmap.width - 1); ++x)
            if (bright(bitmap.colour(x, y))) return true;
    return false;
}

bool outside_bevelled(int x, int y, int width, int height, double leg) {
    const double from_left = x + 0.5, from_top = y + 0.5;
    const double from_right = width - from_left, from_bottom = height - from_top;
    return std::min(from_left, from_right) + std::min(from_top, from_bottom) < leg;
}

namespace {

// A box is laid on whole pixels, so a pixel is in it or not; a disc's edge
// pixels may go either way, within half a pixel's diagonal of its rim.
constexpr double kHalfDiagonal = 0.71;

bool in_box(const Piece& p, int x, int y) { return x >= p.a && x <= p.b && y >= p.c && y <= p.d; }

bool well_inside(const Piece& p, int x, int y) {
    return p.kind == Piece::box ? in_box(p, x, y) : std::hypot(x - p.a, y - p.b) <= p.c - kHalfDiagonal;
}

bool well_outside(const Piece& p, int x, int y) {
    return p.kind == Piece::box ? !in_box(p, x, y) : std::hypot(x - p.a, y - p.b) >= p.c + kHalfDiagonal;
}

}  // namespace

void expect_shape(const Bitmap& bitmap, const std::vector<Piece>& solid, const std::vector<Piece>& reach,
                  const std::string& name) {
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const bool black = undrawn(bitmap.colour(x, y));
            const bool inside = std::any_of(solid.begin(), solid.end(), [&](const Piece& p) { return well_inside(p, x, y); });
            const bool outside = std::all_of(reach.begin(), reach.end(), [&](const Piece& p) { return well_outside(p, x, y); });
            if (inside) {
                EXPECT_FALSE(black) << name << ": undrawn inside the needle at " << x << "," << y;
            }
            if (outside) {
                EXPECT_TRUE(black) << name << ": drawn outside the needle at " << x << "," << y;
            }
        }
    }
}

int expect_undrawn_only_beyond_bevels(const Bitmap& dial, double leg) {
    int black_pixels = 0;
    for (int y = 0; y < dial.height; ++y)
        for (int x = 0; x < dial.width; ++x) {
            const bool black = undrawn(dial.colour(x, y));
            black_pixels += black;
            EXPECT_EQ(black, outside_bevelled(x, y, dial.width, dial.height, leg)) << x << "," << y;
        }
    return black_pixels;
}

int expect_undrawn_only_outside_rounded_corners(const Bitmap& picture, double radius) {
    int black_pixels = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const bool black = undrawn(picture.colour(x, y));
            black_pixels += black;
            const double out = outside_rounded(x + 0.5, y + 0.5, picture.width, picture.height, radius);
            if (out < -0.75) {
                EXPECT_FALSE(black) << "on the case at " << x << "," << y;
            } else if (out > 0.75) {
                EXPECT_TRUE(black) << "outside the case at " << x << "," << y;
            }
        }
    return black_pixels;
}

void expect_eight_bits_with_full_tables(std::initializer_list<FullTableBitmap> bitmaps) {
    for (const FullTableBitmap& want : bitmaps) {
        SCOPED_TRACE(hex_id(want.id));
        const Bitmap b = written_bitmap(want.id);
        EXPECT_EQ(b.width, want.width);
        EXPECT_EQ(b.height, want.height);
        EXPECT_EQ(b.bits, 8);
        EXPECT_EQ(b.clr_used, 0u) << "0 stands for a table of 256 entries";
        EXPECT_EQ(b.table.size(), 256u);
    }
}

}  // namespace vexmoor::art::test
