// Table-driven checks of one gauge's records as the host reads them, and of
// its value callbacks called as the host calls them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "loaded_module.h"

namespace vexmoor::test {

struct Entry {
    std::int32_t x;
    std::int32_t y;
    double value;
};

struct Failure {
    std::int32_t key;
    std::int32_t action;
};

struct ExpectedElement {
    std::uint32_t kind;
    std::uint32_t bitmap_id;
    std::int32_t x, y;            // position
    std::int32_t offset_x, offset_y;
    std::uint32_t draw_flags;
    std::uint32_t token = 0;       // needle or icon variable
    std::int32_t max_step = 0;     // needles
    std::uint32_t icon_count = 0;  // icons
    bool has_callback = false;
    std::vector<Entry> table = {};
    std::vector<Failure> failures = {};
};

struct ExpectedArea {
    std::uint32_t kind;
    std::int32_t x, y, width, height;
    std::int32_t cursor;
    std::uint32_t help_id;
    std::uint32_t mouse_flags;
    std::uint32_t event_id;
};

// The header's name, width and tooltip, the element chain in drawing order
// and the whole mouse table.
void expect_gauge(const LoadedModule& module, const std::string& name, std::uint32_t default_width,
                  const std::vector<ExpectedElement>& chain, const std::vector<ExpectedArea>& mouse);

struct CallbackCase {
    double input;
    double expected;  // compared bit for bit; NaN never expected
};

// Writes each input into the variable at `variable` (an address in the
// module) and calls the element's callback as the host does.
void expect_callback(LoadedModule& module, Address element, Address callback, Address variable,
                     const std::vector<CallbackCase>& cases);

// The callback address of an element of the given kind.
Address callback_of(const LoadedModule& module, Address element);

}  // namespace vexmoor::test
