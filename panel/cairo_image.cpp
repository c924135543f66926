#include "panel/cairo_image.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace vexmoor::panel {
namespace {

std::uint8_t premultiply(std::uint8_t c, std::uint8_t a) { return static_cast<std::uint8_t>((c * a + 127) / 255); }
std::uint8_t unpremultiply(std::uint8_t c, std::uint8_t a) {
    return a == 0 ? 0 : static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

}  // namespace

Surface to_surface(const RgbaImage& picture) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    if (!data) return surface;  // an error surface; its status says why
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.at(x, y);
            row[x] = std::uint32_t(p.a) << 24 | std::uint32_t(premultiply(p.r, p.a)) << 16 |
                     std::uint32_t(premultiply(p.g, p.a)) << 8 | premultiply(p.b, p.a);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

RgbaImage from_surface(cairo_surface_t* surface) {
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return {};
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    RgbaImage picture(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t v = row[x];
            const auto a = format == CAIRO_FORMAT_ARGB32 ? static_cast<std::uint8_t>(v >> 24) : std::uint8_t(255);
            picture.at(x, y) = Rgba{unpremultiply(std::uint8_t(v >> 16), a), unpremultiply(std::uint8_t(v >> 8), a),
                                    unpremultiply(std::uint8_t(v), a), a};
        }
    }
    return picture;
}

}  // namespace vexmoor::panel
