#include "dib.h"

#include <fstream>
#include <iterator>

namespace vexmoor::art {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(v >> shift));
}

std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t get16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

std::size_t table_entries(const Bitmap& bitmap) {
    if (bitmap.bits != 8) return 0;
    return bitmap.clr_used == 0 ? 256 : bitmap.clr_used;
}

}  // namespace

std::size_t row_stride(int width, int bits) {
    return (std::size_t(width) * std::size_t(bits) / 8 + 3) & ~std::size_t(3);
}

std::vector<std::uint8_t> encode_bmp(const Bitmap& bitmap) {
    const std::size_t entries = table_entries(bitmap);
    if (bitmap.bits != 8 && bitmap.bits != 24) throw ArtError("only 8- and 24-bit bitmaps are written");
    if (bitmap.bits == 8 && bitmap.table.size() != entries)
        throw ArtError("colour table size does not match biClrUsed");
    const std::size_t stride = row_stride(bitmap.width, bitmap.bits);
    const std::size_t image_size = stride * std::size_t(bitmap.height);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * entries;

    std::vector<std::uint8_t> out;
    out.reserve(offset + image_size);
    out.push_back('B');
    out.push_back('M');
    put32(out, std::uint32_t(offset + image_size));
    put16(out, 0);
    put16(out, 0);
    put32(out, std::uint32_t(offset));

    put32(out, kInfoHeaderSize);
    put32(out, std::uint32_t(bitmap.width));
    put32(out, std::uint32_t(bitmap.height));  // positive: rows bottom-up
    put16(out, 1);
    put16(out, std::uint16_t(bitmap.bits));
    put32(out, 0);  // BI_RGB
    put32(out, std::uint32_t(image_size));
    put32(out, 0);
    put32(out, 0);
    put32(out, bitmap.clr_used);
    put32(out, 0);

    for (const Rgb& c : bitmap.table) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = bitmap.height - 1; y >= 0; --y) {
        const std::size_t row_start = out.size();
        for (int x = 0; x < bitmap.width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(bitmap.width) + std::size_t(x);
            if (bitmap.bits == 8) {
                out.push_back(bitmap.index[i]);
            } else {
                out.push_back(bitmap.rgb[i].b);
                out.push_back(bitmap.rgb[i].g);
                out.push_back(bitmap.rgb[i].r);
            }
        }
        out.resize(row_start + stride, 0);
    }
    return out;
}

Bitmap decode_bmp(std::span<const std::uint8_t> b, const std::string& name) {
    auto bad = [&](const std::string& what) { return ArtError(name + ": " + what); };
    if (b.size() < kFileHeaderSize + kInfoHeaderSize) throw bad("too short for a BMP file");
    if (b[0] != 'B' || b[1] != 'M') throw bad("no 'BM' signature");
    if (get32(b, 2) != b.size()) throw bad("file size field does not match the file");
    const std::size_t h = kFileHeaderSize;
    if (get32(b, h) != kInfoHeaderSize) throw bad("header size is not 40");
    const auto width = std::int32_t(get32(b, h + 4));
    const auto height = std::int32_t(get32(b, h + 8));
    if (width <= 0 || height <= 0) throw bad("width and height must be positive (rows bottom-up)");
    if (get16(b, h + 12) != 1) throw bad("planes is not 1");
    const int bits = get16(b, h + 14);
    if (bits != 8 && bits != 24) throw bad("depth " + std::to_string(bits) + " is neither 8 nor 24");
    if (get32(b, h + 16) != 0) throw bad("compressed");

    Bitmap out{.width = width, .height = height, .bits = bits, .clr_used = get32(b, h + 32),
               .table = {}, .index = {}, .rgb = {}};
    if (bits == 24 && out.clr_used != 0) throw bad("a 24-bit bitmap with a colour table");
    if (out.clr_used > 256) throw bad("more than 256 colours");
    const std::size_t entries = table_entries(out);
    const std::size_t stride = row_stride(width, bits);
    const std::size_t offset = h + kInfoHeaderSize + 4 * entries;
    if (get32(b, 10) != offset) throw bad("pixel offset does not follow the colour table");
    if (get32(b, h + 20) != stride * std::size_t(height)) throw bad("image size field is wrong");
    if (b.size() != offset + stride * std::size_t(height)) throw bad("pixel data has the wrong length");

    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = h + kInfoHeaderSize + 4 * i;
        out.table.push_back(Rgb{b[at + 2], b[at + 1], b[at]});
    }
    const std::size_t pixels = std::size_t(width) * std::size_t(height);
    if (bits == 8) out.index.resize(pixels); else out.rgb.resize(pixels);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * std::size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
            if (bits == 8) {
                out.index[i] = b[row + std::size_t(x)];
                if (out.index[i] >= entries) throw bad("a pixel indexes past the colour table");
            } else {
                const std::size_t at = row + 3 * std::size_t(x);
                out.rgb[i] = Rgb{b[at + 2], b[at + 1], b[at]};
            }
        }
    }
    return out;
}

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ArtError(path.string() + ": cannot open for reading");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw ArtError(path.string() + ": cannot write");
}

}  // namespace vexmoor::art
