// "Flaps": its records as the host reads them; the pointer's travel comes
// from its y slot alone.
#include <gtest/gtest.h>

#include <bit>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

TEST(Flaps, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    expect_gauge(module, "Flaps", 50,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x2500, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1},
                     {.kind = L::kSlider, .bitmap_id = 0x2510, .x = 12, .y = 19, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x3},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xAB24, 0, 0},
                     {L::kMouseChildArea, 0, 54, 50, 53, 1, 0, 0x20200000, 0x100DE},
                     {L::kMouseChildArea, 0, 0, 50, 53, 2, 0, 0x20200000, 0x100DF},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
}

TEST(Flaps, PointerSlotsAndNothingElse) {
    LoadedModule module;
    const Address pointer = module.chain(module.gauge("Flaps")).at(1);
    const Address x = pointer + L::slider::kX, y = pointer + L::slider::kY;
    EXPECT_EQ(module.u32(x + L::variable::kToken), 0u);
    EXPECT_EQ(module.f64(x + L::axis_slot::kScale), 0.0);
    EXPECT_EQ(module.u32(y + L::variable::kToken), 329u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(module.f64(y + L::axis_slot::kScale)), 0x3F6DFB9389B52008u);
    EXPECT_EQ(module.u32(pointer + L::slider::kReserved), 0u);
    EXPECT_EQ(module.u32(pointer + L::element::kFailures), 0u);
    EXPECT_EQ(pointer % 8, 0u);
    // The travel over the whole range, as the host computes it.
    EXPECT_DOUBLE_EQ(16383 * module.f64(y + L::axis_slot::kScale), 59.96178);
}

}  // namespace
}  // namespace vexmoor::test
