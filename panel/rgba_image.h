// A picture the panel host draws into: straight (not premultiplied) RGBA,
// 8 bits a channel, rows top-down. Alpha 0 where nothing has been drawn.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexmoor::panel {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend constexpr auto operator<=>(const Rgba&, const Rgba&) = default;
};

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // rows top-down

    RgbaImage() = default;
    RgbaImage(int w, int h, Rgba fill = {})
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgba& at(int x, int y) { return pixels[index(x, y)]; }
    const Rgba& at(int x, int y) const { return pixels[index(x, y)]; }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

}  // namespace vexmoor::panel
