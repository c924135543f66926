// Colours and pictures as the generator handles them before they are
// written: an RGB image with rows top-down, and the error every stage
// reports bad input with.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace vexmoor::art {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr auto operator<=>(const Rgb&, const Rgb&) = default;
};

// Pure black means "nothing is drawn here": the host shows what lies behind.
// A pixel that is drawn but would come out black is lifted to the darkest
// colour that still counts as drawn.
inline constexpr Rgb kUndrawn{0, 0, 0};
inline constexpr Rgb kDarkestDrawn{2, 2, 2};

constexpr Rgb drawable(Rgb c) { return c == kUndrawn ? kDarkestDrawn : c; }

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // rows top-down

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h)) {}

    Rgb& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    const Rgb& at(int x, int y) const {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

struct ArtError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vexmoor::art
