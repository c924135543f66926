// Small hand-built gauges for the drawing tests: bitmaps painted in code,
// bitmap resource bytes, and a gauge of elements with their states.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panel/dib.h"
#include "panel/gauge_bitmaps.h"
#include "panel/gauge_model.h"
#include "panel/renderer.h"
#include "panel/rgba_image.h"

namespace vexmoor::test {

using panel::Bitmap;
using panel::ElementKind;
using panel::ElementRecord;
using panel::ElementState;
using panel::GaugeRecord;
using panel::IntPoint;
using panel::Rgb;
using panel::Rgba;
using panel::RgbaImage;

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

Bitmap painted(int width, int height, const std::function<Rgb(int x, int y)>& colour);
Bitmap solid(int width, int height, Rgb colour);

inline Rgba opaque(Rgb c) { return Rgba{c.r, c.g, c.b, 255}; }

// Bitmap resource bytes (a BMP file without its file header), bottom-up,
// rows padded to 4 bytes. 8 bits: `indices` top-down into `table`, written
// with the colour count `colours_used`; 24 bits: `pixels` top-down.
std::vector<std::uint8_t> dib8(int width, int height, const std::vector<Rgb>& table,
                               const std::vector<std::uint8_t>& indices, std::uint32_t colours_used);
std::vector<std::uint8_t> dib24(int width, int height, const std::vector<Rgb>& pixels);
void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);
void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value);

// A gauge named "Test" whose root is a static background with bit 0x1 set.
class Scene {
public:
    explicit Scene(Bitmap background, std::uint32_t background_id = 0x1000);

    // Adds an element as the last child of the chain; returns its index.
    std::size_t add(ElementKind kind, std::uint32_t bitmap_id, IntPoint position, std::uint32_t draw_flags = 0x1);
    void bitmap(std::uint32_t id, Bitmap bitmap) { bitmaps.add(id, std::move(bitmap)); }

    RgbaImage render() const { return panel::render_gauge(gauge, states, bitmaps); }

    GaugeRecord gauge;
    std::vector<ElementState> states;
    panel::GaugeBitmaps bitmaps;
};

// The module file, from VEXMOOR_MODULE.
std::string module_path();

// Writes the picture to $VEXMOOR_PICTURES/<name>.png when that is set, for
// people to look at what the tests draw.
void keep_picture(const RgbaImage& picture, const std::string& name);

}  // namespace vexmoor::test
