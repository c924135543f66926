// A gauge as the panel host knows it: the records it read and checked from
// the module (GaugeRecord), and what each element shows after an update
// (ElementState). The reader fills the first, the panel update the second,
// and drawing, hit-testing and the tools use both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panel/module_runtime.h"

namespace vexmoor::panel {

enum class ElementKind : std::uint32_t { kStaticImage = 0, kNeedle = 1, kSlider = 3, kIcon = 4, kSprite = 6 };

struct IntPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct TableEntry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    double value = 0;
};

struct FailureBinding {
    std::int32_t key = 0;
    std::int32_t action = 0;
};

// A variable binding: its token (0: none) and where the host writes it.
struct VariableBinding {
    std::uint32_t token = 0;
    Address address = 0;  // the ModuleVariable record in the module
};

struct AxisBinding {
    VariableBinding variable;
    double scale = 0;
};

struct ElementRecord {
    Address address = 0;
    int order = 0;  // 1-based place in the drawing order, as errors name it
    ElementKind kind = ElementKind::kStaticImage;
    std::uint32_t bitmap_id = 0;
    IntPoint position;
    IntPoint offset;
    std::uint32_t draw_flags = 0;
    std::vector<FailureBinding> failures;
    // Needles and icons.
    VariableBinding variable;
    Address callback = 0;  // needle, icon, or the sprite's y slot; 0: none
    // Needles.
    std::vector<TableEntry> table;
    Address table_address = 0;  // the NonlinearityEntry array, 0: none
    std::int32_t max_step_degrees = 0;
    // Icons.
    std::uint32_t icon_count = 0;
    // Sliders and sprites.
    AxisBinding x_slot;
    AxisBinding y_slot;
    AxisBinding rotation_slot;  // sprites only
    float texture_scale_x = 0;
    float texture_scale_y = 0;
    // Indices into GaugeRecord::elements, in list order.
    std::vector<std::size_t> children;
};

struct MouseRecord {
    std::uint32_t kind = 0;  // 1 begin group, 2 child area, 3 end group, 0 end
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    std::int32_t cursor = -1;
    std::uint32_t help_id = 0;
    std::uint32_t mouse_flags = 0;
    std::uint32_t event_id = 0;
};

// The seven routines of a gauge header, in header order.
enum class GaugeRoutine : std::uint32_t { kQuery, kInstall, kInitialize, kUpdate, kGenerate, kDraw, kKill };
inline constexpr std::size_t kGaugeRoutineCount = 7;

struct GaugeRecord {
    Address header = 0;
    std::uint32_t index = 0;  // place in the Linkage gauge list
    std::string name;
    Address routines[kGaugeRoutineCount] = {};  // 0: none
    std::uint32_t default_width = 0;
    // Every element in drawing order: an element, then its children, depth
    // first; elements[0] is the first element of the root list.
    std::vector<ElementRecord> elements;
    std::vector<std::size_t> roots;  // indices of the root list's elements
    std::vector<MouseRecord> mouse_areas;  // as stored, up to and including the end record
};

// What an element shows. Angles are in degrees clockwise on the screen
// (y down); directions are measured from straight up.
struct ElementState {
    bool visible = true;            // false while a failure hides the element
    // What the callback returned, or else the variable; for sliders and
    // sprites, the y slot's value.
    double shown_value = 0;
    // Needles: where the needle points, clockwise from straight up. The
    // bitmap, drawn pointing right, is turned by direction - 90 degrees
    // about its offset point, which sits on the element's position.
    double direction_degrees = 90;
    // Needles: the same angle measured along the needle's scale, whole
    // turns included (direction_degrees is this angle modulo 360).
    double cumulative_degrees = 90;
    // Icons: the image shown, bitmap_id + image.
    std::uint32_t image = 0;
    // Sliders and sprites: travel in gauge pixels (sliders: the top-left
    // corner lies at position + travel) or card pixels along the card's own
    // axes, +y down the card (sprites), and the sprite's turn in degrees
    // clockwise on the screen.
    double travel_x = 0;
    double travel_y = 0;
    double rotation_degrees = 0;
};

}  // namespace vexmoor::panel
