// "Turn_Indicator": its records as the host reads them and its callbacks.
#include <gtest/gtest.h>

#include <limits>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TurnIndicator, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    EXPECT_EQ(module.gauges().at(0), module.gauge("Turn_Indicator"));
    expect_gauge(module, "Turn_Indicator", 133,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x1000, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1},
                     {.kind = L::kNeedle, .bitmap_id = 0x1010, .x = 66, .y = -105, .offset_x = -175, .offset_y = 8,
                      .draw_flags = 0x83, .token = 69, .max_step = 0, .has_callback = true,
                      .table = {{103, 87, 127.0}, {66, 90, 0.0}, {29, 87, -127.0}}},
                     {.kind = L::kIcon, .bitmap_id = 0x1011, .x = 55, .y = 67, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x3, .token = 0, .icon_count = 1},
                     {.kind = L::kNeedle, .bitmap_id = 0x1020, .x = 67, .y = 97, .offset_x = -44, .offset_y = 4,
                      .draw_flags = 0x83, .token = 70, .max_step = 6, .has_callback = true,
                      .table = {{0, 0, -900.0}, {38, 0, -546.0}, {67, 0, 0.0}, {93, 0, 546.0}, {132, 0, 900.0}}},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xAB71, 0, 0},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
}

TEST(TurnIndicator, CallbacksLimitToTheTablesEnds) {
    LoadedModule module;
    const std::vector<Address> chain = module.chain(module.gauge("Turn_Indicator"));
    const Address ball = chain[1], needle = chain[3];
    expect_callback(module, ball, callback_of(module, ball), ball + L::needle::kVariable,
                    {{200.0, 127.0}, {-200.0, -127.0}, {127.0, 127.0}, {-127.0, -127.0}, {0.0, 0.0},
                     {64.5, 64.5}, {kNaN, -127.0}, {kInf, 127.0}, {-kInf, -127.0}});
    expect_callback(module, needle, callback_of(module, needle), needle + L::needle::kVariable,
                    {{1500.0, 900.0}, {-1500.0, -900.0}, {546.0, 546.0}, {-546.0, -546.0}, {900.0, 900.0},
                     {-900.0, -900.0}, {kNaN, -900.0}, {kInf, 900.0}, {-kInf, -900.0}});
}

}  // namespace
}  // namespace vexmoor::test
