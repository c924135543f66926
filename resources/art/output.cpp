#include "output.h"

#include <regex>
#include <set>

#include "dib.h"

namespace vexmoor::art {
namespace fs = std::filesystem;

std::string bitmap_file_name(std::uint16_t id) { return "bmp_" + hex_id(id).substr(2) + ".bmp"; }

void write_bitmaps(const std::vector<Built>& bitmaps, const fs::path& dir) {
    std::error_code error;
    fs::create_directories(dir, error);
    if (error || !fs::is_directory(dir)) throw ArtError(dir.string() + ": cannot make this directory");
    const fs::path where = fs::absolute(dir).lexically_normal();
    if (where.string().find_first_of("\"\\") != std::string::npos)
        throw ArtError(where.string() + ": a resource script cannot name a path with quotes or backslashes");

    std::set<std::string> written;
    std::string rc;
    for (const Built& b : bitmaps) {
        const std::string name = bitmap_file_name(b.id);
        write_file(where / name, encode_bmp(b.bitmap));
        written.insert(name);
        rc += hex_id(b.id) + " BITMAP \"" + (where / name).string() + "\"\n";
    }

    static const std::regex ours("bmp_[0-9a-f]{4}\\.bmp");
    std::vector<fs::path> stale;
    for (const fs::directory_entry& e : fs::directory_iterator(where)) {
        const std::string name = e.path().filename().string();
        if (std::regex_match(name, ours) && !written.contains(name)) stale.push_back(e.path());
    }
    for (const fs::path& p : stale)
        if (!fs::remove(p, error) || error) throw ArtError(p.string() + ": cannot remove this stale bitmap");

    write_file(where / "bitmaps.rc", std::span(reinterpret_cast<const std::uint8_t*>(rc.data()), rc.size()));
}

}  // namespace vexmoor::art
