// The module's artwork as the host reads it: device-independent bitmaps
// stored as RT_BITMAP resources (the bytes of a BMP file without its 14-byte
// file header), decoded into plain colours. Portable: it builds for Windows
// as well as natively.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "panel/error.h"
#include "panel/pe_image.h"

namespace vexmoor::panel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr auto operator<=>(const Rgb&, const Rgb&) = default;
};

// Pure black: what an element with bit 0x1 in its draw_flags leaves
// undrawn.
inline constexpr Rgb kUndrawn{0, 0, 0};

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // rows top-down

    const Rgb& at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

inline constexpr std::uint32_t kBitmapResourceType = 2;  // RT_BITMAP
inline constexpr std::uint32_t kBitmapLanguage = 1033;   // English (United States)

// The largest width or height accepted; the module's bitmaps are at most 256.
inline constexpr int kMaxBitmapSide = 16384;

// Decodes a bitmap: a 40-byte BITMAPINFOHEADER, one plane, no compression,
// bottom-up (positive height), either 8 bits per pixel with a colour table
// (a colour count of 0 meaning 256 entries) or 24 bits per pixel; rows
// padded to 4 bytes. Anything else, and any byte missing, is an Error that
// begins with `name`.
Bitmap decode_dib(std::span<const std::uint8_t> bytes, const std::string& name);

// The bitmap resource `id` of a module, language 1033. A bitmap the module
// lacks, or one that does not decode, is an Error naming the module file,
// the gauge and the element that wants it.
Bitmap bitmap_for(const PeImage& image, std::uint32_t id, const std::string& gauge, const std::string& element);

// Like bitmap_for, but a bitmap the module lacks is no error.
std::optional<Bitmap> find_bitmap(const PeImage& image, std::uint32_t id, const std::string& gauge,
                                  const std::string& element);

// "0x1310": how bitmap ids are written in messages.
std::string bitmap_id_text(std::uint32_t id);

}  // namespace vexmoor::panel
