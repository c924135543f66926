#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vexmoor::art {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw ArtError("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                       " drawing surface: " + cairo_status_to_string(cairo_status(cr_)));
    // Curves flattened to within a hundredth of a pixel: small round shapes
    // keep the outline (and the symmetry) they are drawn with.
    cairo_set_tolerance(cr_, 0.01);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::set(int x, int y, Rgb colour) { fill(x, y, 1, 1, colour); }

void Canvas::fill(int x, int y, int w, int h, Rgb colour) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const std::uint32_t argb = 0xff000000u | std::uint32_t(colour.r) << 16 |
                               std::uint32_t(colour.g) << 8 | colour.b;
    for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
        for (int col = std::max(x, 0); col < std::min(x + w, width_); ++col)
            reinterpret_cast<std::uint32_t*>(data + row * stride)[col] = argb;
    cairo_surface_mark_dirty(surface_);
}

void Canvas::copy(int x, int y, int w, int h, int to_x, int to_y) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    auto pixel = [&](int col, int row) { return reinterpret_cast<std::uint32_t*>(data + row * stride) + col; };
    auto inside = [&](int col, int row) { return col >= 0 && col < width_ && row >= 0 && row < height_; };
    // Taken whole first, so that a copy overlapping its source reads the original.
    std::vector<std::uint32_t> taken;
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) taken.push_back(inside(col, row) ? *pixel(col, row) : 0);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (inside(to_x + col, to_y + row))
                *pixel(to_x + col, to_y + row) = taken[std::size_t(row) * std::size_t(w) + std::size_t(col)];
    cairo_surface_mark_dirty(surface_);
}

Image Canvas::flatten(Rgb backdrop, double coverage) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const auto threshold = std::uint32_t(std::ceil(coverage * 255.0));
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
            const std::uint32_t alpha = p >> 24;
            if (alpha < threshold) continue;  // stays undrawn
            // Premultiplied: colour = source + (1 - alpha) * backdrop.
            auto over = [&](int shift, std::uint8_t under) {
                const std::uint32_t source = (p >> shift) & 0xff;
                return std::uint8_t((source * 255 + (255 - alpha) * under + 127) / 255);
            };
            out.at(x, y) = drawable(Rgb{over(16, backdrop.r), over(8, backdrop.g), over(0, backdrop.b)});
        }
    }
    return out;
}

}  // namespace vexmoor::art
