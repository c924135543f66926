// "Altimeter": its records as the host reads them and its three callbacks.
#include <gtest/gtest.h>

#include <limits>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<Entry> numeral_points(double step) {
    const std::int32_t xy[11][2] = {{66, 6},   {100, 18}, {121, 46}, {121, 83}, {100, 110}, {66, 122},
                                    {33, 111}, {11, 83},  {11, 46},  {32, 17},  {66, 6}};
    std::vector<Entry> table;
    for (int i = 0; i < 11; ++i) table.push_back({xy[i][0], xy[i][1], step * i});
    return table;
}

std::vector<Entry> half_turns() {
    std::vector<Entry> table;
    for (int k = 0; k <= 20; ++k) table.push_back({66, k % 2 == 0 ? 0 : 132, 500.0 * k});
    return table;
}

TEST(Altimeter, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    expect_gauge(module, "Altimeter", 133,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x1200, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1},
                     {.kind = L::kNeedle, .bitmap_id = 0x1230, .x = 66, .y = 64, .offset_x = 6, .offset_y = 6,
                      .draw_flags = 0x83, .token = 74, .max_step = 6, .has_callback = true,
                      .table = numeral_points(10000)},
                     {.kind = L::kNeedle, .bitmap_id = 0x1220, .x = 66, .y = 64, .offset_x = 17, .offset_y = 8,
                      .draw_flags = 0x83, .token = 74, .max_step = 6, .has_callback = true,
                      .table = numeral_points(1000)},
                     {.kind = L::kNeedle, .bitmap_id = 0x1210, .x = 66, .y = 64, .offset_x = 24, .offset_y = 6,
                      .draw_flags = 0x83, .token = 74, .max_step = 6, .has_callback = true, .table = half_turns()},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xAB07, 0, 0},
                     {L::kMouseChildArea, 1, 92, 12, 15, 2, 0, 0x20200000, 0x1015C},
                     {L::kMouseChildArea, 13, 92, 12, 15, 1, 0, 0x20200000, 0x1015B},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
}

TEST(Altimeter, ThreeSeparateCallbacksEachLimitTo0Through100000) {
    LoadedModule module;
    const std::vector<Address> chain = module.chain(module.gauge("Altimeter"));
    ASSERT_EQ(chain.size(), 4u);
    EXPECT_NE(callback_of(module, chain[1]), callback_of(module, chain[2]));
    EXPECT_NE(callback_of(module, chain[2]), callback_of(module, chain[3]));
    EXPECT_NE(callback_of(module, chain[1]), callback_of(module, chain[3]));
    for (std::size_t i = 1; i < chain.size(); ++i) {
        SCOPED_TRACE("needle " + std::to_string(i));
        // Each needle has its own variable record.
        for (std::size_t j = i + 1; j < chain.size(); ++j) EXPECT_NE(chain[i], chain[j]);
        expect_callback(module, chain[i], callback_of(module, chain[i]), chain[i] + L::needle::kVariable,
                        {
                            {0.0, 0.0},
                            {250.0, 250.0},
                            {5500.0, 5500.0},
                            {15000.0, 15000.0},
                            {100000.0, 100000.0},
                            {100000.5, 100000.0},
                            {1e12, 100000.0},
                            {-50.0, 0.0},
                            {kInf, 100000.0},
                            {-kInf, 0.0},
                            {kNaN, 0.0},
                        });
    }
}

}  // namespace
}  // namespace vexmoor::test
