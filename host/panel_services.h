// The host's table of panel services, as the module calls it. The host
// hands the table over through ImportTable; the module uses eight of its
// 32-bit slots, at the offsets pinned below. Every service uses the standard
// calling convention and removes its own arguments.
#pragma once

#include <cstddef>
#include <cstdint>

#define VEXMOOR_STDCALL __attribute__((stdcall))

namespace vexmoor {

struct ElementHeader;
struct ModuleVariable;

using ElementService = std::uint32_t(VEXMOOR_STDCALL*)(ElementHeader* element);
using ElementValueService = std::uint32_t(VEXMOOR_STDCALL*)(ElementHeader* element, std::uint32_t value);
using LookupVariableService = void(VEXMOOR_STDCALL*)(ModuleVariable* variable);

#pragma pack(push, 4)
struct PanelServices {
    std::uint32_t host_0x00[24];
    ElementService query_elements;             // 0x60
    ElementValueService install_elements;      // 0x64
    ElementService initialize_elements;        // 0x68
    ElementService update_elements;            // 0x6C
    ElementValueService generate_elements;     // 0x70
    ElementService draw_elements;              // 0x74
    std::uint32_t unused_0x78;                 // not called by the module
    ElementService kill_elements;              // 0x7C
    std::uint32_t host_0x80[8];
    LookupVariableService lookup_variable;     // 0xA0
};
#pragma pack(pop)

static_assert(offsetof(PanelServices, query_elements) == 0x60);
static_assert(offsetof(PanelServices, install_elements) == 0x64);
static_assert(offsetof(PanelServices, initialize_elements) == 0x68);
static_assert(offsetof(PanelServices, update_elements) == 0x6C);
static_assert(offsetof(PanelServices, generate_elements) == 0x70);
static_assert(offsetof(PanelServices, draw_elements) == 0x74);
static_assert(offsetof(PanelServices, unused_0x78) == 0x78);
static_assert(offsetof(PanelServices, kill_elements) == 0x7C);
static_assert(offsetof(PanelServices, lookup_variable) == 0xA0);
static_assert(sizeof(PanelServices) == 0xA4);

}  // namespace vexmoor
