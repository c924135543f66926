#include "bitmap.h"

namespace vexmoor::art {

Rgb Bitmap::colour(int x, int y) const {
    const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
    return bits == 24 ? rgb[i] : table[index[i]];
}

Image Bitmap::image() const {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.at(x, y) = colour(x, y);
    return out;
}

Bitmap true_colour(const Image& image) {
    return Bitmap{.width = image.width, .height = image.height, .bits = 24, .clr_used = 0,
                  .table = {}, .index = {}, .rgb = image.pixels};
}

}  // namespace vexmoor::art
