// What the host reads from a module: the gauges in list order, each
// element chain in drawing order with its fields, tables, failure lists and
// mouse tables, from a fixture with known records and from the real module.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/error.h"
#include "panel/record_layout.h"
#include "panel_fixture.h"

namespace vexmoor::test {
namespace {

using panel::ElementKind;
using panel::GaugeRecord;

std::vector<std::string> names(const Panel& panel) {
    std::vector<std::string> list;
    for (const GaugeRecord& g : panel.gauges()) list.push_back(g.name);
    return list;
}

std::vector<ElementKind> kinds(const GaugeRecord& g) {
    std::vector<ElementKind> list;
    for (const panel::ElementRecord& e : g.elements) list.push_back(e.kind);
    return list;
}

bool same_failures(const std::vector<panel::FailureBinding>& a, const std::vector<panel::FailureBinding>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].key != b[i].key || a[i].action != b[i].action) return false;
    }
    return true;
}

TEST(GaugeReader, FindsGaugesByNameInListOrder) {
    auto panel = open_fixture("rules");
    EXPECT_EQ(names(*panel), (std::vector<std::string>{"Needles", "Elements", "Failures", "Mouse"}));
    ASSERT_NE(panel->find_gauge("Failures"), nullptr);
    EXPECT_EQ(panel->find_gauge("Failures")->index, 2u);
    EXPECT_EQ(panel->find_gauge("failures"), nullptr);
    try {
        panel->gauge("Clock");
        ADD_FAILURE() << "found a gauge the module does not have";
    } catch (const panel::Error& e) {
        EXPECT_NE(std::string(e.what()).find("no gauge named \"Clock\""), std::string::npos) << e.what();
    }
}

TEST(GaugeReader, ReadsTheChainDepthFirstWithEveryField) {
    auto panel = open_fixture("rules");
    const GaugeRecord& g = panel->gauge("Needles");
    EXPECT_EQ(g.default_width, 100u);
    EXPECT_EQ(kinds(g), std::vector<ElementKind>(
                            {ElementKind::kStaticImage, ElementKind::kNeedle, ElementKind::kNeedle, ElementKind::kNeedle,
                             ElementKind::kNeedle, ElementKind::kNeedle, ElementKind::kNeedle}));
    EXPECT_EQ(g.roots, std::vector<std::size_t>{0});
    for (std::size_t i = 0; i < g.elements.size(); ++i) {
        EXPECT_EQ(g.elements[i].order, static_cast<int>(i) + 1);
        const std::vector<std::size_t> next = i + 1 < g.elements.size() ? std::vector<std::size_t>{i + 1}
                                                                         : std::vector<std::size_t>{};
        EXPECT_EQ(g.elements[i].children, next) << "element " << i + 1;
    }
    EXPECT_TRUE(g.mouse_areas.empty()) << "a NULL mouse table holds no records";

    const panel::ElementRecord& wrap = g.elements[1];
    EXPECT_EQ(wrap.position.x, 50);
    EXPECT_EQ(wrap.position.y, 50);
    EXPECT_EQ(wrap.variable.token, 1u);
    EXPECT_EQ(wrap.variable.address, wrap.address + panel::layout::needle::kVariable);
    ASSERT_EQ(wrap.table.size(), 3u);
    EXPECT_EQ(wrap.table[1].x, 100);
    EXPECT_EQ(wrap.table[1].y, 0);
    EXPECT_EQ(wrap.table[1].value, 10.0);
    EXPECT_TRUE(panel->runtime().in_image(wrap.table_address, 3 * panel::layout::table_entry::kSize));
    EXPECT_EQ(wrap.callback, 0u);
    EXPECT_EQ(g.elements[5].max_step_degrees, 10);
    EXPECT_TRUE(g.elements[6].table.empty());
    EXPECT_EQ(g.elements[6].table_address, 0u);
    EXPECT_TRUE(panel->runtime().in_image(g.elements[6].callback));
}

TEST(GaugeReader, ReadsIconsSlidersSpritesFailuresAndMouseTables) {
    auto panel = open_fixture("rules");
    const GaugeRecord& elements = panel->gauge("Elements");
    EXPECT_EQ(elements.elements[1].icon_count, 3u);
    EXPECT_EQ(elements.elements[1].variable.token, 11u);
    EXPECT_EQ(elements.elements[2].variable.token, 0u);
    const panel::ElementRecord& slider = elements.elements[4];
    EXPECT_EQ(slider.x_slot.variable.token, 21u);
    EXPECT_EQ(slider.x_slot.scale, 2.0);
    EXPECT_EQ(slider.y_slot.variable.token, 22u);
    EXPECT_EQ(slider.y_slot.scale, -0.5);
    EXPECT_EQ(slider.y_slot.variable.address, slider.address + panel::layout::slider::kY);
    const panel::ElementRecord& sprite = elements.elements[5];
    EXPECT_EQ(sprite.rotation_slot.variable.token, 33u);
    EXPECT_EQ(sprite.rotation_slot.scale, -1.0);
    EXPECT_EQ(sprite.texture_scale_x, 2.0f);
    EXPECT_EQ(sprite.offset.x, 50);
    EXPECT_NE(sprite.callback, 0u);

    const GaugeRecord& failures = panel->gauge("Failures");
    EXPECT_TRUE(failures.elements[0].failures.empty());
    EXPECT_TRUE(same_failures(failures.elements[1].failures, {{5, 0}}));
    EXPECT_TRUE(same_failures(failures.elements[4].failures, {{5, 0}, {7, 2}}));

    const GaugeRecord& mouse = panel->gauge("Mouse");
    ASSERT_EQ(mouse.mouse_areas.size(), 8u);
    EXPECT_EQ(mouse.mouse_areas.front().kind, 1u);
    EXPECT_EQ(mouse.mouse_areas.front().help_id, 0x77u);
    EXPECT_EQ(mouse.mouse_areas[1].event_id, 0x101u);
    EXPECT_EQ(mouse.mouse_areas[4].x, 0x7FFFFFF0);
    EXPECT_EQ(mouse.mouse_areas.back().kind, 0u);
}

TEST(GaugeReader, ReadsTheRealModule) {
    auto panel = open_module();
    EXPECT_EQ(names(*panel).at(0), "Turn_Indicator");
    for (const GaugeRecord& g : panel->gauges()) {
        SCOPED_TRACE(g.name);
        for (Address routine : g.routines) {
            EXPECT_TRUE(panel->runtime().in_image(routine));
        }
        EXPECT_EQ(g.roots.size(), 1u);
        EXPECT_EQ(g.mouse_areas.back().kind, 0u);
    }
    const GaugeRecord& airspeed = panel->gauge("Airspeed");
    EXPECT_EQ(airspeed.default_width, 133u);
    ASSERT_EQ(airspeed.elements.size(), 2u);
    const panel::ElementRecord& needle = airspeed.elements[1];
    EXPECT_EQ(needle.bitmap_id, 0x1310u);
    EXPECT_EQ(needle.variable.token, 61u);
    EXPECT_EQ(needle.max_step_degrees, 6);
    ASSERT_EQ(needle.table.size(), 11u);
    EXPECT_EQ(needle.table[10].value, 700.0);
    EXPECT_TRUE(same_failures(needle.failures, {{20, 2}, {3, 2}}));
    EXPECT_EQ(airspeed.mouse_areas.size(), 3u);
    EXPECT_EQ(kinds(panel->gauge("Attitude")),
              std::vector<ElementKind>({ElementKind::kStaticImage, ElementKind::kSprite, ElementKind::kSprite,
                                        ElementKind::kSlider, ElementKind::kIcon, ElementKind::kNeedle,
                                        ElementKind::kNeedle}));
}

// At another base every pointer moves with the image; the records read the
// same.
TEST(GaugeReader, ReadsTheSameRecordsAtAnotherBase) {
    auto preferred = open_module();
    auto moved = open_module({.avoid_preferred_base = true});
    const Address shift = moved->runtime().base() - preferred->runtime().base();
    ASSERT_NE(shift, 0u);
    ASSERT_EQ(names(*moved), names(*preferred));
    for (std::size_t i = 0; i < preferred->gauges().size(); ++i) {
        const GaugeRecord& a = preferred->gauges()[i];
        const GaugeRecord& b = moved->gauges()[i];
        SCOPED_TRACE(a.name);
        EXPECT_EQ(b.header, a.header + shift);
        ASSERT_EQ(b.elements.size(), a.elements.size());
        for (std::size_t k = 0; k < a.elements.size(); ++k) {
            EXPECT_EQ(b.elements[k].address, a.elements[k].address + shift);
            EXPECT_EQ(b.elements[k].table.size(), a.elements[k].table.size());
            EXPECT_EQ(b.elements[k].callback == 0 ? 0 : b.elements[k].callback - shift, a.elements[k].callback);
        }
    }
}

}  // namespace
}  // namespace vexmoor::test
