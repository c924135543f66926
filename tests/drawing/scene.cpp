#include "scene.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "panel/png_file.h"

namespace vexmoor::test {

Bitmap painted(int width, int height, const std::function<Rgb(int x, int y)>& colour) {
    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bitmap.pixels.push_back(colour(x, y));
    }
    return bitmap;
}

Bitmap solid(int width, int height, Rgb colour) {
    return painted(width, height, [colour](int, int) { return colour; });
}

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

namespace {

std::vector<std::uint8_t> header(int width, int height, std::uint16_t bits, std::uint32_t colours_used) {
    std::vector<std::uint8_t> bytes(40, 0);
    put32(bytes, 0, 40);
    put32(bytes, 4, static_cast<std::uint32_t>(width));
    put32(bytes, 8, static_cast<std::uint32_t>(height));
    put16(bytes, 12, 1);
    put16(bytes, 14, bits);
    put32(bytes, 32, colours_used);
    return bytes;
}

std::size_t stride(int width, int bits) { return (std::size_t(width) * bits + 31) / 32 * 4; }

}  // namespace

std::vector<std::uint8_t> dib8(int width, int height, const std::vector<Rgb>& table,
                               const std::vector<std::uint8_t>& indices, std::uint32_t colours_used) {
    std::vector<std::uint8_t> bytes = header(width, height, 8, colours_used);
    for (const Rgb& c : table) bytes.insert(bytes.end(), {c.b, c.g, c.r, 0});
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride(width, 8), 0xEE);  // padding that must be skipped
        for (int x = 0; x < width; ++x) row[std::size_t(x)] = indices[std::size_t(y * width + x)];
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::vector<std::uint8_t> dib24(int width, int height, const std::vector<Rgb>& pixels) {
    std::vector<std::uint8_t> bytes = header(width, height, 24, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride(width, 24), 0xEE);
        for (int x = 0; x < width; ++x) {
            const Rgb& c = pixels[std::size_t(y * width + x)];
            row[3 * std::size_t(x)] = c.b;
            row[3 * std::size_t(x) + 1] = c.g;
            row[3 * std::size_t(x) + 2] = c.r;
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

Scene::Scene(Bitmap background, std::uint32_t background_id) {
    gauge.name = "Test";
    gauge.default_width = static_cast<std::uint32_t>(background.width);
    gauge.roots = {0};
    ElementRecord root;
    root.order = 1;
    root.bitmap_id = background_id;
    root.draw_flags = 0x1;
    gauge.elements.push_back(root);
    states.emplace_back();
    bitmaps.add(background_id, std::move(background));
}

std::size_t Scene::add(ElementKind kind, std::uint32_t bitmap_id, IntPoint position, std::uint32_t draw_flags) {
    ElementRecord element;
    element.order = static_cast<int>(gauge.elements.size()) + 1;
    element.kind = kind;
    element.bitmap_id = bitmap_id;
    element.position = position;
    element.draw_flags = draw_flags;
    const std::size_t index = gauge.elements.size();
    gauge.elements.back().children = {index};
    gauge.elements.push_back(element);
    states.emplace_back();
    return index;
}

std::string module_path() {
    const char* path = std::getenv("VEXMOOR_MODULE");
    if (path == nullptr || *path == '\0') throw std::runtime_error("VEXMOOR_MODULE is not set");
    return path;
}

void keep_picture(const RgbaImage& picture, const std::string& name) {
    const char* dir = std::getenv("VEXMOOR_PICTURES");
    if (dir == nullptr || *dir == '\0') return;
    std::filesystem::create_directories(dir);
    panel::write_png(picture, (std::filesystem::path(dir) / (name + ".png")).string());
}

}  // namespace vexmoor::test
