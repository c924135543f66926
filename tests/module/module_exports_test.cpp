// What the host meets first: the two exported records, the module name in
// the export directory, the imports, and a load at an address the module did
// not ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "loaded_module.h"

namespace vexmoor::test {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

TEST(ModuleExports, BothRecordsByNameAndByOrdinal) {
    LoadedModule module;
    const Address import_table = module.rt().export_address("ImportTable");
    const Address linkage = module.rt().export_address("Linkage");
    ASSERT_NE(import_table, 0u);
    ASSERT_NE(linkage, 0u);
    EXPECT_EQ(module.rt().export_address(1u), import_table);
    EXPECT_EQ(module.rt().export_address(2u), linkage);
    EXPECT_TRUE(module.rt().in_image(import_table, L::import_table::kSize));
    EXPECT_TRUE(module.rt().in_image(linkage, L::linkage::kGauges + 4));
}

TEST(ModuleExports, DirectoryNamesTheModuleAndExportsTwoDataRecordsOnly) {
    LoadedModule module;
    const panel::PeImage& image = module.rt().image();
    EXPECT_EQ(image.export_dll_name(), "vexmoor.gau");
    std::set<std::pair<std::string, std::uint32_t>> found;
    for (const panel::PeExport& e : image.exports()) {
        found.insert({e.name, e.ordinal});
        // Data, not code: the record lies in a section that is not executable.
        const panel::PeSection* section = image.section_at(e.rva);
        ASSERT_NE(section, nullptr) << e.name;
        EXPECT_EQ(section->characteristics & 0x20000000u, 0u) << e.name << " lies in code";
        EXPECT_NE(section->characteristics & 0x80000000u, 0u) << e.name << " is not writable";
    }
    EXPECT_EQ(found, (std::set<std::pair<std::string, std::uint32_t>>{{"ImportTable", 1}, {"Linkage", 2}}));
}

TEST(ModuleExports, ImportsNothingButKernel32AndMsvcrt) {
    LoadedModule module;
    for (const panel::PeImport& import : module.rt().image().imports()) {
        const std::string dll = lower(import.dll);
        EXPECT_TRUE(dll == "kernel32.dll" || dll == "msvcrt.dll") << "unexpected import " << import.dll;
    }
}

// Every pointer that the host follows from Linkage lies inside the image.
void expect_records_inside(const LoadedModule& module) {
    const panel::ModuleRuntime& rt = module.rt();
    EXPECT_TRUE(rt.in_image(module.u32(module.linkage() + L::linkage::kLoadHook)));
    EXPECT_TRUE(rt.in_image(module.u32(module.linkage() + L::linkage::kUnloadHook)));
    ASSERT_FALSE(module.gauges().empty());
    for (Address header : module.gauges()) {
        ASSERT_TRUE(rt.in_image(header, L::gauge::kSize));
        SCOPED_TRACE(module.gauge_name(header));
        for (std::uint32_t at = L::gauge::kName; at <= L::gauge::kKill; at += 4) {
            EXPECT_TRUE(rt.in_image(module.u32(header + at))) << "header field " << at;
        }
        EXPECT_TRUE(rt.in_image(module.u32(header + L::gauge::kMouseAreas), L::mouse::kSize));
        for (Address e : module.chain(header)) {
            ASSERT_TRUE(rt.in_image(e, L::element::kSize));
            EXPECT_EQ(module.u32(e + L::element::kGauge), header);
            for (std::uint32_t at : {L::element::kChildren, L::element::kFailures}) {
                const Address p = module.u32(e + at);
                if (p != 0) {
                    EXPECT_TRUE(rt.in_image(p, 8));
                }
            }
            const std::uint32_t kind = module.u32(e + L::element::kKind);
            if (kind == L::kNeedle) {
                const Address table = module.u32(e + L::needle::kTable);
                const std::uint32_t count = module.u32(e + L::needle::kTableCount);
                if (table != 0) {
                    EXPECT_TRUE(rt.in_image(table, count * L::table_entry::kSize));
                }
                const Address callback = module.u32(e + L::needle::kCallback);
                if (callback != 0) {
                    EXPECT_TRUE(rt.in_image(callback));
                }
            }
            if (kind == L::kIcon) {
                const Address callback = module.u32(e + L::icon::kCallback);
                if (callback != 0) {
                    EXPECT_TRUE(rt.in_image(callback));
                }
            }
            if (kind == L::kSprite) {
                const Address callback = module.u32(e + L::sprite::kYCallback);
                if (callback != 0) {
                    EXPECT_TRUE(rt.in_image(callback));
                }
            }
        }
    }
}

TEST(ModuleExports, RecordsLieInsideTheImageAtItsPreferredBase) {
    LoadedModule module;
    EXPECT_EQ(module.rt().base(), module.rt().image().image_base());
    expect_records_inside(module);
}

TEST(ModuleExports, EveryRecordPointerMovesWhenThePreferredBaseIsTaken) {
    LoadedModule moved(panel::LoadOptions{.avoid_preferred_base = true});
    EXPECT_NE(moved.rt().base(), moved.rt().image().image_base());
    expect_records_inside(moved);
}

}  // namespace
}  // namespace vexmoor::test
