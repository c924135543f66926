// Malformed modules: each fixture carries one fault. Opening a panel on it
// must fail with an Error that names the file, the gauge, the element and
// the field, what was expected and what was found, and the host must not
// follow the faulty pointer (which would crash or hang a host that trusted
// it).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/error.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

struct MalformedCase {
    const char* fixture;
    std::vector<std::string> message_parts;
};

const MalformedCase kCases[] = {
    {"bad_version", {"gauge 0 (header at 0x", "header version: expected 700, found 600"}},
    {"name_outside_image",
     {"gauge 1 (header at 0x", "name: expected a pointer to the gauge name inside the module image", "found 0x1000"}},
    {"unterminated_name", {"gauge 0 (header at 0x", "name: expected a NUL within 255 characters, found none",
                           "begins \"AAAA"}},
    {"gauge_list_without_end", {"Linkage: gauge list: expected a NULL entry within 256 gauge entries, found none"}},
    {"element_outside_image",
     {"gauge 0 \"Lost\": elements entry 0: expected a pointer to an element record inside the module image",
      "found 0x3000"}},
    {"element_cycle",
     {"gauge 0 \"Looped\", element 2 (needle at 0x",
      "children entry 0: expected an element not above it in the chain, found element 1 at 0x", "(a cycle)"}},
    {"element_listed_twice",
     {"gauge 0 \"Doubled\": elements entry 1: expected an element listed once, found element 1 at 0x"}},
    {"chain_too_deep",
     {"gauge 0 \"Deep\", element 64 (static image at 0x",
      "children: expected an element chain at most 64 lists deep, found a deeper one"}},
    {"children_without_end",
     {"gauge 0 \"Crowded\", element 1 (static image at 0x",
      "children: expected a NULL entry within 64 element entries, found none"}},
    {"unknown_kind",
     {"gauge 0 \"Odd\", element 2 (unknown kind at 0x",
      "kind: expected 0 (static image), 1 (needle), 3 (slider), 4 (icon) or 6 (sprite), found 2"}},
    {"count_without_table",
     {"gauge 0 \"Tableless\", element 2 (needle at 0x", "table_count: expected 0 with a NULL table, found 3"}},
    {"short_table", {"gauge 0 \"Short\", element 2 (needle at 0x",
                     "table_count: expected at least 2 entries with a table, found 1"}},
    // 0x0AAAAAAB entries of 24 bytes wrap to 8 bytes in 32-bit arithmetic.
    {"table_past_image",
     {"gauge 0 \"Huge\", element 2 (needle at 0x",
      "table: expected a pointer to 178956971 table entries of 24 bytes inside the module image",
      "bytes before the image ends"}},
    {"table_not_monotonic",
     {"gauge 0 \"Zigzag\", element 2 (needle at 0x",
      "table entry 2 value: expected a value above the previous entry's 10", "found 5"}},
    {"table_point_on_pivot",
     {"gauge 0 \"Pinned\", element 2 (needle at 0x",
      "table entry 1: expected a point apart from the needle's position (50, 50), found that point itself"}},
    {"negative_step",
     {"gauge 0 \"Backward\", element 2 (needle at 0x",
      "max_step_degrees: expected 0 (no limit) or a positive number of degrees, found -6"}},
    {"callback_outside_image",
     {"gauge 0 \"Stray\", element 2 (needle at 0x", "callback: expected NULL or a pointer into the module image",
      "found 0x2000"}},
    {"icon_without_images",
     {"gauge 0 \"Dark\", element 2 (icon at 0x", "icon_count: expected at least 1 image, found 0"}},
    {"failures_without_end",
     {"gauge 0 \"Fragile\", element 1 (static image at 0x",
      "failures: expected a record of key 0 within 64 failure records, found none"}},
    {"mouse_table_without_end",
     {"gauge 0 \"Busy\": mouse_areas: expected an end record (kind 0) within 256 records, found none"}},
    {"unknown_mouse_kind",
     {"gauge 0 \"Odd\": mouse_areas record 1 kind: expected 0 (end), 1 (begin group), 2 (child area) or 3 (end "
      "group), found 7"}},
};

class MalformedModule : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedModule, IsRefusedWithAnErrorNamingTheFault) {
    const MalformedCase& c = GetParam();
    const std::string path = fixture_path(c.fixture);
    try {
        Panel panel(panel::load_module(path));
        ADD_FAILURE() << "the host accepted " << path;
    } catch (const panel::Error& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        for (const std::string& part : c.message_parts) {
            EXPECT_NE(message.find(part), std::string::npos) << "expected \"" << part << "\" in\n" << message;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MalformedModule, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.fixture; });

}  // namespace
}  // namespace vexmoor::test
