// Turns a picture into a colour table and one index per pixel, without
// dithering. A picture with no more colours than the table holds is kept
// exactly; a larger one is cut down by median cut over its colours
// (weighted by how many pixels use each) and every pixel takes the nearest
// entry. Undrawn pixels (pure black) get a black entry of their own, and no
// entry that drawn pixels use is ever pure black.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace vexmoor::art {

struct QuantiseOptions {
    int entries = 256;        // most entries the table may have (2..256)
    bool pad = false;         // fill the table up to `entries` with unused black entries
    bool keep_black = false;  // give the table a black entry even if no pixel is undrawn
};

struct Indexed {
    std::vector<Rgb> table;           // sorted; a black entry, if any, comes first
    std::vector<std::uint8_t> index;  // one per pixel, in the image's order
};

Indexed quantise(const Image& image, const QuantiseOptions& options);

}  // namespace vexmoor::art
