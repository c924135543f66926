// Laying a bitmap onto a picture, either pixel for pixel at a whole-pixel
// place or through an affine map with smooth sampling.
//
// Coordinates are continuous: pixel (i, j) of a bitmap or picture covers
// [i, i + 1) x [j, j + 1), its centre at (i + 0.5, j + 0.5). With the colour
// key on, pure black bitmap pixels are undrawn: they leave the picture as it
// was. Everything outside the picture is clipped.
#pragma once

#include <cstdint>
#include <vector>

#include "panel/dib.h"
#include "panel/rgba_image.h"

namespace vexmoor::panel {

// Lays `colour` over a picture pixel with the given coverage (0..1): the
// straight-alpha "over" rule, so a pixel with alpha 0 takes the colour with
// alpha = coverage, and coverage 1 replaces the pixel.
void blend(Rgba& pixel, double r, double g, double b, double coverage);

// Copies the bitmap with its top-left corner on picture pixel (x, y).
void paint_bitmap(RgbaImage& picture, const Bitmap& bitmap, bool colour_key, int x, int y);

// Maps a picture point to the bitmap point drawn there:
// (xx * X + xy * Y + x0, yx * X + yy * Y + y0).
struct Affine {
    double xx = 1, xy = 0, x0 = 0;
    double yx = 0, yy = 1, y0 = 0;
};

struct Resampling {
    Affine to_bitmap;
    // Samples per picture pixel along each axis (1 to 16), spread evenly
    // over it; 1 samples the pixel's centre only.
    int samples = 1;
    // Where drawing is allowed, one byte per picture pixel, rows top-down
    // (non-zero: allowed), or null for everywhere. A mask of another size is
    // an Error.
    const std::vector<std::uint8_t>* allowed = nullptr;
};

// Draws the bitmap through the map. Each sample is bilinear over the four
// bitmap pixels around it: pixels that are undrawn or outside the bitmap
// contribute nothing, the others' weights are renormalised, and the sum of
// their weights is the sample's coverage. A picture pixel takes the mean
// colour and coverage of its samples and is blended with that coverage. A
// map that lands every sample on a pixel centre (a whole-pixel shift, or a
// turn by a multiple of 90 degrees) therefore copies pixels exactly.
void paint_resampled(RgbaImage& picture, const Bitmap& bitmap, bool colour_key, const Resampling& how);

}  // namespace vexmoor::panel
