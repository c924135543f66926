// The exported records and the frame every gauge shares, read back from the
// loaded module by byte offset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_module.h"

namespace vexmoor::test {
namespace {

TEST(ModuleRecords, ImportTableAtLoad) {
    LoadedModule module;
    const Address table = module.import_table();
    EXPECT_EQ(module.u32(table + L::import_table::kEntryId), 0x0000000Fu);
    EXPECT_EQ(module.u32(table + L::import_table::kServices), 0u);
    EXPECT_EQ(module.u32(table + L::import_table::kTerminatingId), 0u);
    EXPECT_EQ(module.u32(table + L::import_table::kTerminatingPointer), 0u);
}

TEST(ModuleRecords, LinkageListsTheGaugesInOrderThenOneNull) {
    LoadedModule module;
    const Address linkage = module.linkage();
    EXPECT_EQ(module.u32(linkage + L::linkage::kModuleId), 0x00000013u);
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(module.u32(linkage + L::linkage::kReserved + 4 * i), 0u);
    std::vector<std::string> names;
    for (Address header : module.gauges()) names.push_back(module.gauge_name(header));
    EXPECT_EQ(names, (std::vector<std::string>{"Turn_Indicator", "Attitude", "Altimeter", "Airspeed",
                                               "Landing_Gear", "Flaps"}));
    EXPECT_EQ(module.u32(linkage + L::linkage::kGauges + 4 * static_cast<std::uint32_t>(names.size())), 0u);
}

// Every header, element and table: the frame's fixed values, the host's
// fields zero, one element per list, and every record that holds a double
// on an 8-byte boundary.
TEST(ModuleRecords, HeadersAndElementsHoldTheFrameValues) {
    LoadedModule module;
    for (Address header : module.gauges()) {
        SCOPED_TRACE(module.gauge_name(header));
        EXPECT_EQ(module.u32(header + L::gauge::kVersion), 700u);
        EXPECT_EQ(module.u32(header + L::gauge::kReserved), 0u);
        for (std::uint32_t at = L::gauge::kHost1; at < L::gauge::kMouseAreas; at += 4) {
            EXPECT_EQ(module.u32(header + at), 0u) << at;
        }
        for (std::uint32_t at = L::gauge::kHost2; at < L::gauge::kSize; at += 4) {
            EXPECT_EQ(module.u32(header + at), 0u) << at;
        }
        const Address root = module.u32(header + L::gauge::kElements);
        EXPECT_EQ(module.u32(root + 4), 0u) << "the root list holds one element";

        int order = 0;
        for (Address e : module.chain(header)) {
            SCOPED_TRACE("element " + std::to_string(++order));
            EXPECT_EQ(module.u32(e + L::element::kGauge), header);
            EXPECT_EQ(module.u32(e + L::element::kHost2), 0u);
            EXPECT_EQ(module.u32(e + L::element::kHost1), 0u);
            EXPECT_EQ(module.u32(e + L::element::kHost1 + 4), 0u);
            EXPECT_EQ(module.u32(e + L::element::kSpecialFlags), 0u);
            EXPECT_EQ(module.u32(e + L::element::kReserved), 0u);
            EXPECT_EQ(module.u32(e + L::element::kDrawFlags) & 0x1u, 0x1u);
            const Address children = module.u32(e + L::element::kChildren);
            if (children != 0) {
                EXPECT_EQ(module.u32(children + 4), 0u) << "a list holds one element";
            }
            const std::uint32_t kind = module.u32(e + L::element::kKind);
            if (kind != L::kStaticImage) {
                EXPECT_EQ(e % 8, 0u) << "holds a double";
            }
            if (kind == L::kNeedle) {
                const Address table = module.u32(e + L::needle::kTable);
                const std::uint32_t count = module.u32(e + L::needle::kTableCount);
                EXPECT_EQ(table == 0, count == 0);
                EXPECT_EQ(table % 8, 0u);
                for (std::uint32_t i = 0; i < count; ++i) {
                    EXPECT_EQ(module.f64(table + i * L::table_entry::kSize + L::table_entry::kAngle), 0.0);
                }
                if (table == 0) {
                    EXPECT_EQ(module.u32(e + L::needle::kMaxStep), 0u);
                }
            }
        }

        // The mouse table's frame: begin group with the tooltip, child
        // areas, end group, end.
        const Address areas = module.u32(header + L::gauge::kMouseAreas);
        auto record = [&](std::uint32_t i) { return areas + i * L::mouse::kSize; };
        EXPECT_EQ(module.u32(record(0) + L::mouse::kKind), L::kMouseBeginGroup);
        EXPECT_EQ(module.i32(record(0) + L::mouse::kCursor), -1);
        EXPECT_NE(module.u32(record(0) + L::mouse::kHelpId), 0u);
        std::uint32_t i = 1;
        while (module.u32(record(i) + L::mouse::kKind) == L::kMouseChildArea && i < 16) ++i;
        EXPECT_EQ(module.u32(record(i) + L::mouse::kKind), L::kMouseEndGroup);
        EXPECT_EQ(module.u32(record(i + 1) + L::mouse::kKind), L::kMouseEnd);
        for (std::uint32_t r : {0u, i, i + 1}) {
            EXPECT_EQ(module.i32(record(r) + L::mouse::kCursor), -1);
            for (std::uint32_t at = L::mouse::kBox; at < L::mouse::kCursor; at += 4) {
                EXPECT_EQ(module.u32(record(r) + at), 0u) << "record " << r << " at " << at;
            }
            for (std::uint32_t at : {L::mouse::kMouseFlags, L::mouse::kEventId, L::mouse::kHandler,
                                     L::mouse::kHandlerData}) {
                EXPECT_EQ(module.u32(record(r) + at), 0u) << "record " << r << " at " << at;
            }
            if (r != 0) {
                EXPECT_EQ(module.u32(record(r) + L::mouse::kHelpId), 0u);
            }
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
