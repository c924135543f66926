#include "panel/dib.h"

#include <cstdio>
#include <utility>

namespace vexmoor::panel {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kNoCompression = 0;  // BI_RGB
constexpr std::uint32_t kMaxTableEntries = 256;

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

[[noreturn]] void fail(const std::string& name, const std::string& what) { throw Error(name + ": " + what); }

std::string element_context(const PeImage& image, std::uint32_t id, const std::string& gauge,
                            const std::string& element) {
    return image.file_name() + ": bitmap " + bitmap_id_text(id) + " of gauge " + gauge + ", " + element;
}

}  // namespace

std::string bitmap_id_text(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(id));
    return text;
}

Bitmap decode_dib(std::span<const std::uint8_t> bytes, const std::string& name) {
    if (bytes.size() < kInfoHeaderSize) {
        fail(name, "only " + std::to_string(bytes.size()) + " bytes, too short for a 40-byte bitmap header");
    }
    const std::uint32_t header_size = le32(bytes, 0);
    const auto width = static_cast<std::int32_t>(le32(bytes, 4));
    const auto height = static_cast<std::int32_t>(le32(bytes, 8));
    const std::uint16_t planes = le16(bytes, 12);
    const std::uint16_t bits = le16(bytes, 14);
    const std::uint32_t compression = le32(bytes, 16);
    const std::uint32_t colours_used = le32(bytes, 32);

    if (header_size != kInfoHeaderSize) {
        fail(name, "header size " + std::to_string(header_size) + ", expected a 40-byte BITMAPINFOHEADER");
    }
    if (height < 0) fail(name, "stored top-down (negative height); only bottom-up bitmaps are read");
    if (width <= 0 || height == 0) {
        fail(name, "size " + std::to_string(width) + " x " + std::to_string(height) + " holds no pixels");
    }
    if (width > kMaxBitmapSide || height > kMaxBitmapSide) {
        fail(name, "size " + std::to_string(width) + " x " + std::to_string(height) + " is implausibly large");
    }
    if (planes != 1) fail(name, std::to_string(planes) + " planes, expected 1");
    if (compression != kNoCompression) {
        fail(name, "compressed (method " + std::to_string(compression) + "); only uncompressed bitmaps are read");
    }
    if (bits != 8 && bits != 24) fail(name, std::to_string(bits) + " bits per pixel; only 8 and 24 are read");

    // With 8 bits the table gives every colour; a 24-bit bitmap may carry one
    // for palette devices, which is skipped.
    std::uint32_t table_entries = colours_used;
    if (bits == 8 && table_entries == 0) table_entries = kMaxTableEntries;
    if (bits == 8 && table_entries > kMaxTableEntries) {
        fail(name, "colour table of " + std::to_string(table_entries) + " entries; an 8-bit table holds at most 256");
    }
    const std::size_t table_at = kInfoHeaderSize;
    if (!within(table_at, std::uint64_t(table_entries) * 4, bytes.size())) {
        fail(name, "truncated: the colour table of " + std::to_string(table_entries) + " entries ends past the " +
                       std::to_string(bytes.size()) + " bytes");
    }
    const std::size_t pixels_at = table_at + std::size_t(table_entries) * 4;
    const std::size_t stride = (std::size_t(width) * bits + 31) / 32 * 4;
    if (!within(pixels_at, std::uint64_t(stride) * std::uint64_t(height), bytes.size())) {
        fail(name, "truncated: " + std::to_string(height) + " rows of " + std::to_string(stride) +
                       " bytes need " + std::to_string(pixels_at + stride * std::size_t(height)) + " bytes, found " +
                       std::to_string(bytes.size()));
    }

    std::vector<Rgb> table(bits == 8 ? table_entries : 0);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::size_t at = table_at + 4 * i;  // blue, green, red, reserved
        table[i] = Rgb{bytes[at + 2], bytes[at + 1], bytes[at]};
    }

    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixels_at + stride * std::size_t(height - 1 - y);  // bottom-up
        for (int x = 0; x < width; ++x) {
            Rgb& out = bitmap.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            if (bits == 8) {
                const std::uint8_t index = bytes[row + std::size_t(x)];
                if (index >= table.size()) {
                    fail(name, "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
                                   std::to_string(index) + " beyond the table of " + std::to_string(table.size()) +
                                   " entries");
                }
                out = table[index];
            } else {
                const std::size_t at = row + 3 * std::size_t(x);
                out = Rgb{bytes[at + 2], bytes[at + 1], bytes[at]};
            }
        }
    }
    return bitmap;
}

std::optional<Bitmap> find_bitmap(const PeImage& image, std::uint32_t id, const std::string& gauge,
                                  const std::string& element) {
    const std::optional<PeResource> resource = image.find_resource(kBitmapResourceType, id, kBitmapLanguage);
    if (!resource) return std::nullopt;
    const std::string name = element_context(image, id, gauge, element);
    return decode_dib(image.view(resource->rva, resource->size, "bitmap " + bitmap_id_text(id)), name);
}

Bitmap bitmap_for(const PeImage& image, std::uint32_t id, const std::string& gauge, const std::string& element) {
    std::optional<Bitmap> bitmap = find_bitmap(image, id, gauge, element);
    if (!bitmap) throw Error(element_context(image, id, gauge, element) + ": the module has no such bitmap resource");
    return std::move(*bitmap);
}

}  // namespace vexmoor::panel
