// "Attitude": its records as the host reads them, the cards' and the
// slider's axis slots, and its three callbacks.
#include <gtest/gtest.h>

#include <limits>

#include "gauge_expectations.h"

namespace vexmoor::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Attitude, RecordsAsTheHostReadsThem) {
    LoadedModule module;
    expect_gauge(module, "Attitude", 133,
                 {
                     {.kind = L::kStaticImage, .bitmap_id = 0x1100, .x = 0, .y = 0, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x1, .failures = {{8, 0}}},
                     {.kind = L::kSprite, .bitmap_id = 0x1110, .x = 0, .y = 0, .offset_x = 66, .offset_y = 64,
                      .draw_flags = 0x81, .has_callback = true, .failures = {{8, 0}}},
                     {.kind = L::kSprite, .bitmap_id = 0x1120, .x = 0, .y = 0, .offset_x = 66, .offset_y = 64,
                      .draw_flags = 0x81, .failures = {{8, 0}}},
                     {.kind = L::kSlider, .bitmap_id = 0x1130, .x = 35, .y = 63, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x3},
                     {.kind = L::kIcon, .bitmap_id = 0x1131, .x = 59, .y = 83, .offset_x = 0, .offset_y = 0,
                      .draw_flags = 0x3, .token = 0, .icon_count = 1},
                     {.kind = L::kNeedle, .bitmap_id = 0x1140, .x = 119, .y = 119, .offset_x = 14, .offset_y = 14,
                      .draw_flags = 0x83, .token = 825, .max_step = 6, .has_callback = true,
                      .table = {{117, 103, 0.0}, {131, 117, 1.0}}},
                     {.kind = L::kNeedle, .bitmap_id = 0x1150, .x = 15, .y = 119, .offset_x = 14, .offset_y = 14,
                      .draw_flags = 0x83, .token = 612, .max_step = 6, .has_callback = true,
                      .table = {{1, 117, -100.0}, {29, 117, 100.0}}},
                 },
                 {
                     {L::kMouseBeginGroup, 0, 0, 0, 0, -1, 0xA86D, 0, 0},
                     {L::kMouseChildArea, 104, 104, 27, 27, 5, 0, 0x20000000, 0x10345},
                     {L::kMouseChildArea, 2, 104, 13, 27, 2, 0, 0x20200000, 0x1030F},
                     {L::kMouseChildArea, 16, 104, 13, 27, 1, 0, 0x20200000, 0x1030E},
                     {L::kMouseEndGroup, 0, 0, 0, 0, -1, 0, 0, 0},
                     {L::kMouseEnd, 0, 0, 0, 0, -1, 0, 0, 0},
                 });
}

struct Slot {
    std::uint32_t offset;
    std::uint32_t token;
    double scale;
};

TEST(Attitude, SlotsScalesAndOneSharedFailureList) {
    LoadedModule module;
    const std::vector<Address> chain = module.chain(module.gauge("Attitude"));
    ASSERT_EQ(chain.size(), 7u);
    auto expect_slots = [&](Address e, std::initializer_list<Slot> slots) {
        for (const Slot& s : slots) {
            EXPECT_EQ(module.u32(e + s.offset + L::axis_slot::kVariable + L::variable::kToken), s.token) << s.offset;
            EXPECT_EQ(module.f64(e + s.offset + L::axis_slot::kScale), s.scale) << s.offset;
            EXPECT_EQ(module.u32(e + s.offset + L::axis_slot::kReserved), 0u) << s.offset;
        }
    };
    expect_slots(chain[1], {{L::sprite::kX, 0, 0.0}, {L::sprite::kY, 78, 2.0}, {L::sprite::kRotation, 80, -1.0}});
    expect_slots(chain[2], {{L::sprite::kX, 0, 0.0}, {L::sprite::kY, 0, 0.0}, {L::sprite::kRotation, 80, -1.0}});
    expect_slots(chain[3], {{L::slider::kX, 0, 0.0}, {L::slider::kY, 612, -0.1}});
    EXPECT_EQ(module.u32(chain[3] + L::slider::kReserved), 0u);
    for (Address card : {chain[1], chain[2]}) {
        EXPECT_EQ(module.rt().read_f32(card + L::sprite::kTextureScaleX), 2.25f);
        EXPECT_EQ(module.rt().read_f32(card + L::sprite::kTextureScaleY), 2.25f);
    }
    // The slider's and the sprites' other callback words stay zero.
    for (std::uint32_t at = L::sprite::kTextureScaleY + 4; at < L::sprite::kSize; at += 4) {
        if (at != L::sprite::kYCallback) {
            EXPECT_EQ(module.u32(chain[1] + at), 0u) << at;
        }
    }
    EXPECT_EQ(module.u32(chain[2] + L::sprite::kYCallback), 0u);
    for (std::uint32_t at = L::slider::kY + L::axis_slot::kSize; at < L::slider::kSize; at += 4) {
        EXPECT_EQ(module.u32(chain[3] + at), 0u) << at;
    }
    // A single failure list, not three copies.
    const Address list = module.u32(chain[0] + L::element::kFailures);
    EXPECT_EQ(module.u32(chain[1] + L::element::kFailures), list);
    EXPECT_EQ(module.u32(chain[2] + L::element::kFailures), list);
}

TEST(Attitude, CallbacksLimitWithoutConverting) {
    LoadedModule module;
    const std::vector<Address> chain = module.chain(module.gauge("Attitude"));
    const Address card = chain[1], right = chain[5], left = chain[6];
    expect_callback(module, card, callback_of(module, card), card + L::sprite::kY + L::axis_slot::kVariable,
                    {{45.0, 30.0}, {-45.0, -30.0}, {30.0, 30.0}, {-30.0, -30.0}, {12.5, 12.5}, {kNaN, -30.0},
                     {kInf, 30.0}, {-kInf, -30.0}});
    expect_callback(module, right, callback_of(module, right), right + L::needle::kVariable,
                    {{-0.5, 0.0}, {kNaN, 0.0}, {1.5, 1.0}, {0.5, 0.5}, {0.0, 0.0}, {1.0, 1.0}, {kInf, 1.0},
                     {-kInf, 0.0}});
    expect_callback(module, left, callback_of(module, left), left + L::needle::kVariable,
                    {{250.0, 100.0}, {-250.0, -100.0}, {kNaN, -100.0}, {100.0, 100.0}, {-100.0, -100.0},
                     {0.0, 0.0}, {kInf, 100.0}, {-kInf, -100.0}});
}

}  // namespace
}  // namespace vexmoor::test
