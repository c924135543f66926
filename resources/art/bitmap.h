// A bitmap as the module stores it: either 8 bits per pixel indexing a
// colour table, or 24 bits per pixel holding the colour itself.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace vexmoor::art {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bits = 8;                     // 8 or 24
    std::uint32_t clr_used = 0;       // as written; with 8 bits, 0 stands for 256 entries
    std::vector<Rgb> table{};          // the colour table (8 bits only)
    std::vector<std::uint8_t> index{}; // 8 bits: one table index per pixel, rows top-down
    std::vector<Rgb> rgb{};            // 24 bits: one colour per pixel, rows top-down

    Rgb colour(int x, int y) const;
    Image image() const;  // every pixel's colour

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// A 24-bit bitmap holding `image` as it is.
Bitmap true_colour(const Image& image);

}  // namespace vexmoor::art
