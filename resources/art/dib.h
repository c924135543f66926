// BMP files: a 14-byte file header, then the device-independent bitmap the
// host reads (a 40-byte BITMAPINFOHEADER, the colour table for 8-bit
// pictures, then bottom-up rows padded to 4 bytes). The resource compiler
// drops the file header when it stores the bitmap in the module.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "bitmap.h"

namespace vexmoor::art {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;

// Bytes of one stored row: `bits` per pixel, padded to a multiple of 4.
std::size_t row_stride(int width, int bits);

std::vector<std::uint8_t> encode_bmp(const Bitmap& bitmap);

// Reads back what encode_bmp writes (8 or 24 bits, uncompressed, bottom-up).
// Anything else raises ArtError naming `name` and what is wrong.
Bitmap decode_bmp(std::span<const std::uint8_t> bytes, const std::string& name);

std::vector<std::uint8_t> read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace vexmoor::art
