// "Landing_Gear": its records as the host reads them, and the two light
// callbacks: the green one by its own variable, the red one through two
// lookups of the gear position.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(LandingGear, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    expect_gauge(module, "Landing_Gear", 80,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x2200, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1},
                     {.kind = L::kIcon, .bitmap_id = 0x2220, .x = 49, .y = 11, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x7, .token = 333, .icon_count = 2, .has_callback = true,
                      .failures = {{20, 1}}},
                     {.kind = L::kIcon, .bitmap_id = 0x2210, .x = 8, .y = 11, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x7, .token = 333, .icon_count = 2, .has_callback = true,
                      .failures = {{20, 1}}},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xAB31, 0, 0},
                     {L::kMouseChildArea, 0, 0, 75, 57, 5, 0, 0x20000000, 0x10022},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
    const std::vector<Address> chain = module.chain(module.gauge("Landing_Gear"));
    EXPECT_EQ(module.u32(chain[1] + L::element::kFailures), module.u32(chain[2] + L::element::kFailures));
}

// Exact equality with 16383; a position that is not a number is unknown and
// leaves the light dark.
TEST(LandingGear, GreenLightNeedsExactly16383) {
    LoadedModule module;
    const Address green = module.chain(module.gauge("Landing_Gear")).at(1);
    expect_callback(module, green, callback_of(module, green), green + L::icon::kVariable,
                    {{16383.0, 1.0}, {16382.5, 0.0}, {16383.5, 0.0}, {0.0, 0.0}, {20000.0, 0.0}, {-1.0, 0.0},
                     {kNaN, 0.0}, {kInf, 0.0}, {-kInf, 0.0}});
}

// A host whose LookupVariable hands out the next of a list of values and
// records which variable records it was asked to fill.
struct LookupHost {
    std::vector<double> values;
    std::vector<Address> asked;
    std::size_t next = 0;
    bool fill = true;
};

Address install_lookup(LoadedModule& module, LookupHost& host) {
    panel::ModuleRuntime& rt = module.rt();
    const Address services = rt.allocate(L::services::kSize);
    rt.write_u32(services + L::services::kLookupVariable,
                 rt.host_function(
                     [&rt, &host](const std::vector<std::uint32_t>& args) {
                         host.asked.push_back(args[0]);
                         if (host.fill) rt.write_f64(args[0] + L::variable::kValue, host.values.at(host.next++));
                         return 0u;
                     },
                     1));
    rt.write_u32(module.import_table() + L::import_table::kServices, services);
    return services;
}

struct TransitCase {
    double low;
    double high;
    double expected;
};

TEST(LandingGear, RedLightLooksThePositionUpTwice) {
    LoadedModule module;
    const Address red = module.chain(module.gauge("Landing_Gear")).at(2);
    LookupHost host;
    install_lookup(module, host);
    const TransitCase cases[] = {
        {8000, 8000, 1.0},         {0.5, 0.5, 1.0},          {16382.5, 16382.5, 1.0}, {0, 0, 0.0},
        {-5, -5, 0.0},             {16383, 16383, 0.0},      {16383.5, 16383.5, 0.0}, {20000, 20000, 0.0},
        {kNaN, kNaN, 0.0},         {100, 16383, 0.0},        {100, kNaN, 1.0},        {kNaN, 100, 0.0},
        {0, 100, 0.0},             {kInf, 100, 1.0},         {-kInf, -kInf, 0.0},     {kInf, kInf, 0.0},
    };
    Address low = 0, high = 0;
    for (const TransitCase& c : cases) {
        host.values = {c.low, c.high};
        host.next = 0;
        host.asked.clear();
        // The red light's own variable plays no part.
        module.rt().write_f64(red + L::icon::kVariable + L::variable::kValue, 16383.0);
        EXPECT_EQ(module.rt().call_double(callback_of(module, red), {red}), c.expected)
            << "low " << c.low << ", high " << c.high;
        ASSERT_EQ(host.asked.size(), 2u);
        low = host.asked[0];
        high = host.asked[1];
    }
    // Two standalone records, low first, each on an 8-byte boundary in its
    // own 32-byte stride, both naming the gear position.
    EXPECT_EQ(low % 8, 0u);
    EXPECT_EQ(high, low + 32);
    EXPECT_TRUE(module.rt().in_image(low, 64));
    EXPECT_EQ(module.u32(low + L::variable::kToken), 333u);
    EXPECT_EQ(module.u32(high + L::variable::kToken), 333u);
    for (Address e : module.chain(module.gauge("Landing_Gear"))) {
        EXPECT_NE(e + L::icon::kVariable, low);
        EXPECT_NE(e + L::icon::kVariable, high);
    }
}

TEST(LandingGear, RedLightKeepsWhatTheRecordsHeldWhenTheHostFillsNothing) {
    LoadedModule module;
    const Address red = module.chain(module.gauge("Landing_Gear")).at(2);
    LookupHost host;
    install_lookup(module, host);
    host.fill = false;
    EXPECT_EQ(module.rt().call_double(callback_of(module, red), {red}), 0.0) << "0.0 before any lookup";
    host.fill = true;
    host.values = {8000, 8000};
    EXPECT_EQ(module.rt().call_double(callback_of(module, red), {red}), 1.0);
    host.fill = false;
    EXPECT_EQ(module.rt().call_double(callback_of(module, red), {red}), 1.0) << "the last values are kept";
}

}  // namespace
}  // namespace vexmoor::test
