#include "gauge_expectations.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace vexmoor::test {

Address callback_of(const LoadedModule& module, Address element) {
    switch (module.u32(element + L::element::kKind)) {
        case L::kNeedle: return module.u32(element + L::needle::kCallback);
        case L::kIcon: return module.u32(element + L::icon::kCallback);
        case L::kSprite: return module.u32(element + L::sprite::kYCallback);
        default: return 0;
    }
}

namespace {

void expect_element(const LoadedModule& module, Address e, const ExpectedElement& want) {
    EXPECT_EQ(module.u32(e + L::element::kKind), want.kind);
    EXPECT_EQ(module.u32(e + L::element::kBitmapId), want.bitmap_id);
    EXPECT_EQ(module.i32(e + L::element::kPosition), want.x);
    EXPECT_EQ(module.i32(e + L::element::kPosition + 4), want.y);
    EXPECT_EQ(module.i32(e + L::element::kOffset), want.offset_x);
    EXPECT_EQ(module.i32(e + L::element::kOffset + 4), want.offset_y);
    EXPECT_EQ(module.u32(e + L::element::kDrawFlags), want.draw_flags);
    EXPECT_EQ(callback_of(module, e) != 0, want.has_callback);

    const Address failures = module.u32(e + L::element::kFailures);
    if (want.failures.empty()) {
        EXPECT_EQ(failures, 0u);
    } else {
        ASSERT_NE(failures, 0u);
        for (std::size_t i = 0; i <= want.failures.size(); ++i) {
            const Address r = failures + static_cast<Address>(i) * L::failure::kSize;
            const Failure f = i < want.failures.size() ? want.failures[i] : Failure{0, 0};
            EXPECT_EQ(module.i32(r + L::failure::kKey), f.key) << "failure record " << i;
            EXPECT_EQ(module.i32(r + L::failure::kAction), f.action) << "failure record " << i;
            EXPECT_EQ(module.i32(r + L::failure::kReserved), 0) << "failure record " << i;
        }
    }

    if (want.kind == L::kNeedle || want.kind == L::kIcon) {
        EXPECT_EQ(module.u32(e + L::needle::kVariable + L::variable::kToken), want.token);
    }
    if (want.kind == L::kNeedle) {
        const Address table = module.u32(e + L::needle::kTable);
        ASSERT_EQ(module.u32(e + L::needle::kTableCount), want.table.size());
        EXPECT_EQ(module.i32(e + L::needle::kMaxStep), want.max_step);
        for (std::size_t i = 0; i < want.table.size(); ++i) {
            const Address r = table + static_cast<Address>(i) * L::table_entry::kSize;
            EXPECT_EQ(module.i32(r + L::table_entry::kX), want.table[i].x) << "entry " << i;
            EXPECT_EQ(module.i32(r + L::table_entry::kY), want.table[i].y) << "entry " << i;
            EXPECT_EQ(module.f64(r + L::table_entry::kValue), want.table[i].value) << "entry " << i;
        }
    }
    if (want.kind == L::kIcon) {
        EXPECT_EQ(module.u32(e + L::icon::kIconCount), want.icon_count);
    }
}

}  // namespace

void expect_gauge(const LoadedModule& module, const std::string& name, std::uint32_t default_width,
                  const std::vector<ExpectedElement>& chain, const std::vector<ExpectedArea>& mouse) {
    const Address header = module.gauge(name);
    EXPECT_EQ(module.u32(header + L::gauge::kDefaultWidth), default_width);
    const std::vector<Address> elements = module.chain(header);
    ASSERT_EQ(elements.size(), chain.size());
    for (std::size_t i = 0; i < chain.size(); ++i) {
        SCOPED_TRACE(name + " element " + std::to_string(i + 1));
        expect_element(module, elements[i], chain[i]);
    }
    EXPECT_EQ(module.u32(elements.back() + L::element::kChildren), 0u);

    const Address areas = module.u32(header + L::gauge::kMouseAreas);
    for (std::size_t i = 0; i < mouse.size(); ++i) {
        SCOPED_TRACE(name + " mouse record " + std::to_string(i + 1));
        const Address r = areas + static_cast<Address>(i) * L::mouse::kSize;
        const ExpectedArea& a = mouse[i];
        EXPECT_EQ(module.u32(r + L::mouse::kKind), a.kind);
        EXPECT_EQ(module.i32(r + L::mouse::kBox), a.x);
        EXPECT_EQ(module.i32(r + L::mouse::kBox + 4), a.y);
        EXPECT_EQ(module.i32(r + L::mouse::kBox + 8), a.width);
        EXPECT_EQ(module.i32(r + L::mouse::kBox + 12), a.height);
        EXPECT_EQ(module.i32(r + L::mouse::kCursor), a.cursor);
        EXPECT_EQ(module.u32(r + L::mouse::kHelpId), a.help_id);
        EXPECT_EQ(module.u32(r + L::mouse::kMouseFlags), a.mouse_flags);
        EXPECT_EQ(module.u32(r + L::mouse::kEventId), a.event_id);
        EXPECT_EQ(module.u32(r + L::mouse::kHandler), 0u);
        EXPECT_EQ(module.u32(r + L::mouse::kHandlerData), 0u);
    }
    EXPECT_EQ(module.u32(areas + static_cast<Address>(mouse.size() - 1) * L::mouse::kSize), L::kMouseEnd);
}

void expect_callback(LoadedModule& module, Address element, Address callback, Address variable,
                     const std::vector<CallbackCase>& cases) {
    ASSERT_NE(callback, 0u);
    for (const CallbackCase& c : cases) {
        module.rt().write_f64(variable + L::variable::kValue, c.input);
        const double got = module.rt().call_double(callback, {element});
        EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(c.expected))
            << "input " << c.input << " gave " << got << ", expected " << c.expected;
    }
}

}  // namespace vexmoor::test
