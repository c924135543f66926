// What the instrument tests check on the written bitmaps: where the host
// turns a needle, which pixels a dial's case leaves undrawn, and the shapes
// of needles laid out on whole pixels.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "bitmap.h"

namespace vexmoor::art::test {

// The largest difference in any one channel.
int distance(Rgb a, Rgb b);
bool undrawn(Rgb c);  // pure black: the host draws nothing there
bool bright(Rgb c);   // a marking or a needle's blade
bool dark(Rgb c);     // a face, a hub, a case

// A needle table's point and the value it stands for.
struct TablePoint {
    double value;
    int x, y;
};

// Where a needle that follows `table` points for `value`, seen from the
// pivot: the dial angle (clockwise from straight up, past 360 beyond the
// top) and the distance, both in proportion between the neighbouring points.
struct Reading {
    double angle, reach;
};
Reading read_table(int pivot_x, int pivot_y, const std::vector<TablePoint>& table, double value);

// The pixel `reach` from the pivot pixel at dial angle `angle`.
struct Pixel {
    int x, y;
};
Pixel pixel_at(int pivot_x, int pivot_y, double angle, double reach);

// Whether that pixel, or one next to it, is bright: a thin mark may cover
// only part of the pixel its line passes through.
bool bright_near(const Bitmap& bitmap, Pixel p);

// Whether the middle of pixel (x, y) lies outside a width x height case
// whose corners are cut off by bevels `leg` pixels along each edge.
bool outside_bevelled(int x, int y, int width, int height, double leg);

// Checks that a dial is pure black exactly where pixel middles lie beyond
// its case's bevels, and returns how many such pixels it has.
int expect_undrawn_only_beyond_bevels(const Bitmap& dial, double leg);

// Checks that each bitmap is 8 bits with a colour table of 256 entries,
// written as a count of 0, and of the size given.
struct FullTableBitmap {
    std::uint16_t id;
    int width, height;
};
void expect_eight_bits_with_full_tables(std::initializer_list<FullTableBitmap> bitmaps);

// Pieces of a needle in pixel terms: a disc about a pixel's middle, or a
// box of whole columns and rows.
struct Piece {
    enum Kind { disc, box } kind;
    double a, b, c, d;  // disc: centre column, centre row, radius; box: first and last column, first and last row
};
inline Piece disc_piece(double column, double row, double radius) { return {Piece::disc, column, row, radius, 0}; }
inline Piece box_piece(int from_column, int to_column, int from_row, int to_row) {
    return {Piece::box, double(from_column), double(to_column), double(from_row), double(to_row)};
}

// Every pixel inside one of `solid` is drawn; every pixel outside all of
// `reach` is undrawn (pure black). A disc's edge pixels, within half a
// pixel's diagonal of its rim, may go either way.
void expect_shape(const Bitmap& bitmap, const std::vector<Piece>& solid, const std::vector<Piece>& reach,
                  const std::string& name);

}  // namespace vexmoor::art::test
