// The files the build wrote, as the host and the resource compiler read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "dib.h"
#include "recipe.h"
#include "written_files.h"

namespace vexmoor::art::test {
namespace {
namespace fs = std::filesystem;

const std::set<std::uint16_t> kTrueColour = {0x1140, 0x1150, 0x1510, 0x1610};

// biClrUsed wherever an instrument fixes its colour count. The attitude and
// turn pictures state 256 colours; the range from 0x1200 to 0x1410 writes 0
// (both mean a 256-entry table).
std::optional<std::uint32_t> fixed_colours(std::uint16_t id) {
    static const std::map<std::uint16_t, std::uint32_t> stated = {
        {0x1000, 256}, {0x1010, 256}, {0x1011, 256}, {0x1020, 41},  {0x1100, 256},
        {0x1111, 256}, {0x1121, 256}, {0x1130, 99},  {0x1131, 256}, {0x2100, 256},
        {0x2110, 90},
    };
    if (const auto it = stated.find(id); it != stated.end()) return it->second;
    if (id >= 0x1200 && id <= 0x1410) return 0;
    return std::nullopt;
}

std::string text_of(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(WrittenFiles, EveryBitmapHasTheHeadersTheHostReads) {
    const auto files = bitmap_files(art_dir());
    ASSERT_FALSE(files.empty()) << "no bitmaps in " << art_dir();
    for (const auto& [id, path] : files) {
        SCOPED_TRACE(path.filename().string());
        const std::vector<std::uint8_t> bytes = read_file(path);
        const Headers h = read_headers(bytes);
        EXPECT_EQ(std::string(h.signature, 2), "BM");
        EXPECT_EQ(h.info_size, 40u);
        EXPECT_GT(h.width, 0);
        EXPECT_GT(h.height, 0) << "rows must be stored bottom-up";
        EXPECT_EQ(h.planes, 1);
        EXPECT_EQ(h.compression, 0u);
        EXPECT_EQ(h.x_pels, 0);
        EXPECT_EQ(h.y_pels, 0);
        EXPECT_EQ(h.clr_important, 0u);
        EXPECT_EQ(h.bits, kTrueColour.contains(id) ? 24 : 8);

        std::size_t entries = 0;
        if (h.bits == 8) {
            EXPECT_LE(h.clr_used, 256u);
            entries = h.clr_used == 0 ? 256 : h.clr_used;
            if (const auto fixed = fixed_colours(id)) {
                EXPECT_EQ(h.clr_used, *fixed) << "fixed colour count";
            }
            for (std::size_t i = 0; i < entries; ++i) EXPECT_EQ(bytes.at(54 + 4 * i + 3), 0) << "entry " << i;
        } else {
            EXPECT_EQ(h.clr_used, 0u);
        }
        const std::size_t stride = (std::size_t(h.width) * h.bits / 8 + 3) / 4 * 4;
        EXPECT_EQ(h.image_size, stride * std::size_t(h.height));
        EXPECT_EQ(h.offset, 14 + 40 + 4 * entries);
        EXPECT_EQ(h.file_size, bytes.size());
        EXPECT_EQ(bytes.size(), h.offset + h.image_size);
        EXPECT_NO_THROW(decode_bmp(bytes, path.string()));
    }
}

TEST(WrittenFiles, ResourceListNamesEveryBitmapInIdOrder) {
    const auto files = bitmap_files(art_dir());
    std::istringstream rc(text_of(art_dir() / "bitmaps.rc"));
    static const std::regex line_form("0x([0-9a-f]{4}) BITMAP \"(/[^\"]*/bmp_([0-9a-f]{4})\\.bmp)\"");
    std::vector<std::uint16_t> listed;
    for (std::string line; std::getline(rc, line);) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, line_form)) << "bad line: " << line;
        EXPECT_EQ(m[1].str(), m[3].str()) << line;
        EXPECT_TRUE(fs::equivalent(fs::path(m[2].str()).parent_path(), art_dir())) << line;
        listed.push_back(std::uint16_t(std::stoul(m[1].str(), nullptr, 16)));
    }
    std::vector<std::uint16_t> present;
    for (const auto& [id, path] : files) present.push_back(id);
    EXPECT_EQ(listed, present) << "one line per bitmap file, sorted by id";
}

TEST(WrittenFiles, RunningAgainGivesTheSameBytes) {
    const fs::path again = fresh_dir();
    const std::string command = "\"" + vexart().string() + "\" --out \"" + (again / "art").string() +
                                "\" --preview \"" + (again / "bitmaps.png").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const auto first = bitmap_files(art_dir()), second = bitmap_files(again / "art");
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [id, path] : first) {
        ASSERT_TRUE(second.contains(id)) << hex_id(id);
        EXPECT_EQ(read_file(path), read_file(second.at(id))) << hex_id(id);
    }
    std::string rc = text_of(again / "art" / "bitmaps.rc");
    const std::string from = fs::canonical(again / "art").string(), to = fs::canonical(art_dir()).string();
    for (std::size_t at; (at = rc.find(from)) != std::string::npos;) rc.replace(at, from.size(), to);
    EXPECT_EQ(rc, text_of(art_dir() / "bitmaps.rc"));

    EXPECT_EQ(read_file(contact_sheet()), read_file(again / "bitmaps.png"));
    fs::remove_all(again);
}

struct BadRun {
    const char* what;
    std::string arguments;
    std::string message;
};

TEST(WrittenFiles, BadArgumentsAreNamedAndFail) {
    const fs::path dir = fresh_dir();
    std::ofstream(dir / "plain") << "not a directory";
    const std::string under_file = (dir / "plain" / "art").string();
    const BadRun cases[] = {
        {"nothing given", "", "no output directory given"},
        {"unknown option", "--colour red", "unexpected argument '--colour'"},
        {"option without value", "--out", "unexpected argument '--out'"},
        {"output under a file", "--out \"" + under_file + "\"", under_file + ": cannot make this directory"},
    };
    for (const BadRun& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path err = dir / "stderr";
        const std::string command = "\"" + vexart().string() + "\" " + c.arguments + " 2>\"" + err.string() + "\"";
        EXPECT_NE(std::system(command.c_str()), 0);
        EXPECT_NE(text_of(err).find("vexart: " + c.message), std::string::npos) << text_of(err);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vexmoor::art::test
