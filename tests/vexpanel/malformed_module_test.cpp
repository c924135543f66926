// vexpanel on the malformed fixture modules: each is refused whole, the
// message naming the file and the fault.
#include <gtest/gtest.h>

#include "command_run.h"

namespace vexmoor::test {
namespace {

struct MalformedCase {
    std::string fixture;
    std::string fault;
};
void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.fixture; }

class VexpanelMalformedModule : public testing::TestWithParam<MalformedCase> {};

TEST_P(VexpanelMalformedModule, IsRefusedNamingTheFault) {
    const std::string path = fixture_path(GetParam().fixture);
    for (const std::string command : {"list", "inspect"}) {
        const CommandResult r = run_vexpanel({command, path});
        EXPECT_EQ(r.signal, 0) << command;
        EXPECT_EQ(r.exit_status, 1) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_TRUE(r.err.starts_with("vexpanel: " + path + ": ")) << r.err;
        EXPECT_NE(r.err.find(GetParam().fault), std::string::npos) << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, VexpanelMalformedModule,
    testing::Values(
        MalformedCase{"bad_version", "header version: expected 700, found 600"},
        MalformedCase{"callback_outside_image", "callback: expected NULL or a pointer into the module image"},
        MalformedCase{"chain_too_deep", "at most 64 lists deep"},
        MalformedCase{"children_without_end", "children: expected a NULL entry within 64"},
        MalformedCase{"count_without_table", "table_count: expected 0 with a NULL table, found 3"},
        MalformedCase{"element_cycle", "(a cycle)"},
        MalformedCase{"element_listed_twice", "expected an element listed once"},
        MalformedCase{"element_outside_image", "elements entry 0: expected a pointer to an element record"},
        MalformedCase{"failures_without_end", "failures: expected a record of key 0"},
        MalformedCase{"gauge_list_without_end", "gauge list: expected a NULL entry within 256"},
        MalformedCase{"icon_without_images", "icon_count: expected at least 1 image, found 0"},
        MalformedCase{"mouse_table_without_end", "mouse_areas: expected an end record"},
        MalformedCase{"name_outside_image", "name: expected a pointer to the gauge name"},
        MalformedCase{"negative_step", "max_step_degrees: expected 0 (no limit) or a positive number"},
        MalformedCase{"short_table", "table_count: expected at least 2 entries"},
        MalformedCase{"table_not_monotonic", "table entry 2 value"},
        MalformedCase{"table_past_image", "table: expected a pointer to 178956971 table entries"},
        MalformedCase{"table_point_on_pivot", "expected a point apart from the needle's position"},
        MalformedCase{"unknown_kind", "kind: expected 0 (static image)"},
        MalformedCase{"unknown_mouse_kind", "mouse_areas record 1 kind"},
        MalformedCase{"unterminated_name", "name: expected a NUL within 255 characters"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.fixture; });

}  // namespace
}  // namespace vexmoor::test
