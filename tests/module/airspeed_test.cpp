// "Airspeed": its records as the host reads them and its callback.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Airspeed, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    expect_gauge(module, "Airspeed", 133,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x1300, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1},
                     {.kind = L::kNeedle, .bitmap_id = 0x1310, .x = 66, .y = 62, .offset_x = 31, .offset_y = 6,
                      .draw_flags = 0x83, .token = 61, .max_step = 6, .has_callback = true,
                      .table = {{66, 5, 0},     {94, 13, 50},  {107, 21, 100}, {125, 62, 150},
                                {106, 108, 200}, {57, 123, 250}, {16, 97, 300},  {6, 70, 400},
                                {9, 44, 500},   {24, 21, 600}, {47, 7, 700}},
                      .failures = {{20, 2}, {3, 2}}},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xA86B, 0, 0},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
}

// The speed times 1.152 (the double nearest 1.152), limited to 0..700.
TEST(Airspeed, CallbackConvertsThenLimits) {
    LoadedModule module;
    const Address needle = module.chain(module.gauge("Airspeed")).at(1);
    const double at_limit = 700.0 / 1.152;  // the product rounds to 700 or just beside it
    expect_callback(module, needle, callback_of(module, needle), needle + L::needle::kVariable,
                    {
                        {0.0, 0.0},
                        {125.0, 144.0},
                        {250.0, 288.0},
                        {500.0, 576.0},
                        {100.0, 100.0 * 1.152},
                        {at_limit, at_limit * 1.152 > 700.0 ? 700.0 : at_limit * 1.152},
                        {700.0 / 1.152 + 1e-9, 700.0},
                        {1000.0, 700.0},
                        {-10.0, 0.0},
                        {-1e-300, 0.0},
                        {kInf, 700.0},
                        {-kInf, 0.0},
                        {kNaN, 0.0},
                    });
}

TEST(Airspeed, ProductOfExactly700IsReturnedAs700) {
    LoadedModule module;
    const Address needle = module.chain(module.gauge("Airspeed")).at(1);
    // Search the doubles near 700 / 1.152 for one whose product is exactly 700.
    double v = 700.0 / 1.152;
    for (int i = 0; i < 8 && v * 1.152 != 700.0; ++i) v = std::nextafter(v, v * 1.152 < 700.0 ? kInf : 0.0);
    ASSERT_EQ(v * 1.152, 700.0);
    expect_callback(module, needle, callback_of(module, needle), needle + L::needle::kVariable, {{v, 700.0}});
}

}  // namespace
}  // namespace vexmoor::test
