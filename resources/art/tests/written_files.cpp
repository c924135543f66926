#include "written_files.h"

#include <cstdlib>
#include <regex>
#include <stdexcept>
#include <string>

#include "dib.h"
#include "output.h"

namespace vexmoor::art::test {
namespace fs = std::filesystem;

namespace {

fs::path from_environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) throw std::runtime_error(std::string(name) + " is not set (run the tests through ctest)");
    return value;
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
           std::uint32_t(b.at(at + 3)) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint16_t(b.at(at) | b.at(at + 1) << 8);
}

}  // namespace

fs::path art_dir() { return from_environment("VEXART_DIR"); }
fs::path contact_sheet() { return from_environment("VEXART_SHEET"); }
fs::path vexart() { return from_environment("VEXART"); }

Bitmap written_bitmap(std::uint16_t id) {
    const fs::path path = art_dir() / bitmap_file_name(id);
    return decode_bmp(read_file(path), path.string());
}

std::map<std::uint16_t, fs::path> bitmap_files(const fs::path& dir) {
    static const std::regex name("bmp_([0-9a-f]{4})\\.bmp");
    std::map<std::uint16_t, fs::path> out;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        std::smatch m;
        const std::string file = e.path().filename().string();
        if (std::regex_match(file, m, name)) out[std::uint16_t(std::stoul(m[1].str(), nullptr, 16))] = e.path();
    }
    return out;
}

Headers read_headers(const std::vector<std::uint8_t>& b) {
    Headers h{};
    h.signature[0] = char(b.at(0));
    h.signature[1] = char(b.at(1));
    h.file_size = u32(b, 2);
    h.offset = u32(b, 10);
    h.info_size = u32(b, 14);
    h.width = std::int32_t(u32(b, 18));
    h.height = std::int32_t(u32(b, 22));
    h.planes = u16(b, 26);
    h.bits = u16(b, 28);
    h.compression = u32(b, 30);
    h.image_size = u32(b, 34);
    h.x_pels = std::int32_t(u32(b, 38));
    h.y_pels = std::int32_t(u32(b, 42));
    h.clr_used = u32(b, 46);
    h.clr_important = u32(b, 50);
    return h;
}

fs::path fresh_dir() {
    std::string pattern = (fs::temp_directory_path() / "vexart-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
    return pattern;
}

}  // namespace vexmoor::art::test
