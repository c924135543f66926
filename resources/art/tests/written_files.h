// Access to what the build wrote, for the tests that check it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

#include "bitmap.h"

namespace vexmoor::art::test {

// The directory the build wrote the bitmaps into (VEXART_DIR).
std::filesystem::path art_dir();
// The contact sheet the build wrote (VEXART_SHEET).
std::filesystem::path contact_sheet();
// The generator itself (VEXART).
std::filesystem::path vexart();

// The bitmap the build wrote for `id`, decoded.
Bitmap written_bitmap(std::uint16_t id);

// Every bmp_XXXX.bmp in `dir`, by id.
std::map<std::uint16_t, std::filesystem::path> bitmap_files(const std::filesystem::path& dir);

// The fields of a BMP file's two headers, read straight from the bytes.
struct Headers {
    char signature[2];
    std::uint32_t file_size, offset;
    std::uint32_t info_size;
    std::int32_t width, height;
    std::uint16_t planes, bits;
    std::uint32_t compression, image_size;
    std::int32_t x_pels, y_pels;
    std::uint32_t clr_used, clr_important;
};

Headers read_headers(const std::vector<std::uint8_t>& bytes);

// A fresh empty directory under the system's temporary one.
std::filesystem::path fresh_dir();

}  // namespace vexmoor::art::test
