// The records that the host reads in place, by byte offset, from the module's
// 32-bit image. Their layout is a binary contract: every size and every named
// offset is pinned by a static_assert below. Fields the host owns are kept as
// named reserved storage and are zero at load.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/panel_services.h"

static_assert(sizeof(void*) == 4, "the gauge records describe a 32-bit image");

namespace vexmoor {

#pragma pack(push, 4)

struct GaugeHeader;
struct ElementHeader;

// A value callback: the element it belongs to in, the value to show out.
// Standard calling convention; the double comes back as that convention
// returns floating-point results.
using ValueCallback = double(VEXMOOR_STDCALL*)(ElementHeader* element);
using GaugeRoutine = std::uint32_t(VEXMOOR_STDCALL*)();
using GaugeRoutineWithValue = std::uint32_t(VEXMOOR_STDCALL*)(std::uint32_t value);
using ModuleHook = void(VEXMOOR_STDCALL*)();

// An array of element pointers ended by one NULL pointer.
using ElementList = ElementHeader*;

struct Point32 {
    std::int32_t x{};
    std::int32_t y{};
};

enum ElementKind : std::uint32_t {
    kStaticImage = 0,
    kNeedle = 1,
    kSlider = 3,
    kIcon = 4,
    kSprite = 6,
};

enum MouseRecordKind : std::uint32_t {
    kMouseEnd = 0,
    kMouseBeginGroup = 1,
    kMouseChildArea = 2,
    kMouseEndGroup = 3,
};

struct ImportTableRecord {
    std::uint32_t entry_id{};            // 0x0000000F
    PanelServices* services{};           // written by the host before any call
    std::uint32_t terminating_id{};      // 0
    void* terminating_pointer{};         // NULL
};

struct FailureRecord {
    std::int32_t key{};
    std::int32_t action{};
    std::int32_t reserved{};
};

struct MouseBox {
    std::int32_t x{};
    std::int32_t y{};
    std::int32_t width{};
    std::int32_t height{};
};

struct MouseArea {
    std::uint32_t record_kind{};
    MouseBox box{};
    std::int32_t cursor{};
    std::uint32_t help_id{};
    std::uint32_t mouse_flags{};
    std::uint32_t event_id{};
    void* handler{};
    void* handler_data{};
};

struct GaugeHeader {
    std::uint32_t header_version{};      // 700
    const char* name{};
    ElementList* elements{};             // the root list
    GaugeRoutine query{};
    GaugeRoutineWithValue install{};
    GaugeRoutine initialize{};
    GaugeRoutine update{};
    GaugeRoutineWithValue generate{};
    GaugeRoutine draw{};
    GaugeRoutine kill{};
    std::uint32_t reserved_0x28{};
    std::uint32_t default_width{};
    std::uint32_t host_0x30[8]{};
    MouseArea* mouse_areas{};
    std::uint32_t host_0x54[9]{};
};

struct ElementHeader {
    std::uint32_t kind{};
    std::uint32_t bitmap_id{};
    Point32 position{};
    std::uint32_t host_0x10[2]{};
    Point32 offset{};
    GaugeHeader* gauge{};
    void* host_0x24{};
    ElementList* children{};
    FailureRecord* failures{};
    std::uint32_t draw_flags{};
    std::uint32_t special_flags{};
    std::uint32_t reserved_0x38{};
};

struct ModuleVariable {
    std::uint32_t token{};               // 0: no variable
    void* host_0x04{};
    std::uint32_t host_0x08{};
    double value{};                      // written by the host
    double host_previous{};              // the host's previous value
};

struct AxisSlot {
    ModuleVariable variable{};
    std::uint32_t reserved_0x1C{};
    double scale{};
};

struct NonlinearityEntry {
    std::int32_t x{};
    std::int32_t y{};
    double value{};
    double host_angle{};
};

struct StaticImageElement {
    ElementHeader header{};
    std::uint32_t host_0x3C[9]{};
};

struct NeedleElement {
    ElementHeader header{};
    ModuleVariable variable{};
    std::uint32_t host_0x58[6]{};
    NonlinearityEntry* table{};
    std::uint32_t table_count{};
    std::int32_t max_step_degrees{};     // 0: no limit
    std::uint32_t host_0x7C[25]{};
    ValueCallback callback{};
    std::uint32_t host_0xE4[2]{};
};

struct IconElement {
    ElementHeader header{};
    ModuleVariable variable{};
    std::uint32_t host_0x58[6]{};
    std::uint32_t icon_count{};
    std::uint32_t host_0x74[4]{};
    ValueCallback callback{};
};

struct SliderElement {
    ElementHeader header{};
    std::uint32_t reserved_0x3C{};
    AxisSlot x{};
    AxisSlot y{};
    std::uint32_t host_0x90[12]{};
};

struct SpriteElement {
    ElementHeader header{};
    AxisSlot x{};
    AxisSlot y{};
    AxisSlot rotation{};
    float texture_scale_x{};
    float texture_scale_y{};
    std::uint32_t host_0xBC[33]{};
    ValueCallback y_callback{};
    std::uint32_t host_0x144[7]{};
};

// The module's identity toward the host: hooks, then the gauge list,
// GaugeCount headers followed by one NULL.
template <std::size_t GaugeCount>
struct LinkageRecord {
    std::uint32_t module_id{};           // 0x00000013
    ModuleHook load{};
    ModuleHook unload{};
    std::uint32_t reserved_0x0C[3]{};
    GaugeHeader* gauges[GaugeCount + 1]{};
};

#pragma pack(pop)

// Sizes.
static_assert(sizeof(ImportTableRecord) == 16);
static_assert(sizeof(GaugeHeader) == 120);
static_assert(sizeof(ElementHeader) == 60);
static_assert(sizeof(StaticImageElement) == 96);
static_assert(sizeof(NeedleElement) == 236);
static_assert(sizeof(IconElement) == 136);
static_assert(sizeof(SliderElement) == 192);
static_assert(sizeof(SpriteElement) == 352);
static_assert(sizeof(ModuleVariable) == 28);
static_assert(sizeof(AxisSlot) == 40);
static_assert(sizeof(NonlinearityEntry) == 24);
static_assert(sizeof(FailureRecord) == 12);
static_assert(sizeof(MouseArea) == 44);

static_assert(sizeof(LinkageRecord<16>) == 24 + 4 * 16 + 4);
static_assert(offsetof(LinkageRecord<16>, module_id) == 0x00);
static_assert(offsetof(LinkageRecord<16>, load) == 0x04);
static_assert(offsetof(LinkageRecord<16>, unload) == 0x08);
static_assert(offsetof(LinkageRecord<16>, reserved_0x0C) == 0x0C);
static_assert(offsetof(LinkageRecord<16>, gauges) == 0x18);

// ImportTableRecord.
static_assert(offsetof(ImportTableRecord, entry_id) == 0x00);
static_assert(offsetof(ImportTableRecord, services) == 0x04);
static_assert(offsetof(ImportTableRecord, terminating_id) == 0x08);
static_assert(offsetof(ImportTableRecord, terminating_pointer) == 0x0C);

// GaugeHeader.
static_assert(offsetof(GaugeHeader, header_version) == 0x00);
static_assert(offsetof(GaugeHeader, name) == 0x04);
static_assert(offsetof(GaugeHeader, elements) == 0x08);
static_assert(offsetof(GaugeHeader, query) == 0x0C);
static_assert(offsetof(GaugeHeader, install) == 0x10);
static_assert(offsetof(GaugeHeader, initialize) == 0x14);
static_assert(offsetof(GaugeHeader, update) == 0x18);
static_assert(offsetof(GaugeHeader, generate) == 0x1C);
static_assert(offsetof(GaugeHeader, draw) == 0x20);
static_assert(offsetof(GaugeHeader, kill) == 0x24);
static_assert(offsetof(GaugeHeader, reserved_0x28) == 0x28);
static_assert(offsetof(GaugeHeader, default_width) == 0x2C);
static_assert(offsetof(GaugeHeader, host_0x30) == 0x30);
static_assert(offsetof(GaugeHeader, mouse_areas) == 0x50);
static_assert(offsetof(GaugeHeader, host_0x54) == 0x54);

// ElementHeader.
static_assert(offsetof(ElementHeader, kind) == 0x00);
static_assert(offsetof(ElementHeader, bitmap_id) == 0x04);
static_assert(offsetof(ElementHeader, position) == 0x08);
static_assert(offsetof(ElementHeader, host_0x10) == 0x10);
static_assert(offsetof(ElementHeader, offset) == 0x18);
static_assert(offsetof(ElementHeader, gauge) == 0x20);
static_assert(offsetof(ElementHeader, host_0x24) == 0x24);
static_assert(offsetof(ElementHeader, children) == 0x28);
static_assert(offsetof(ElementHeader, failures) == 0x2C);
static_assert(offsetof(ElementHeader, draw_flags) == 0x30);
static_assert(offsetof(ElementHeader, special_flags) == 0x34);
static_assert(offsetof(ElementHeader, reserved_0x38) == 0x38);

// ModuleVariable and AxisSlot.
static_assert(offsetof(ModuleVariable, token) == 0x00);
static_assert(offsetof(ModuleVariable, host_0x04) == 0x04);
static_assert(offsetof(ModuleVariable, host_0x08) == 0x08);
static_assert(offsetof(ModuleVariable, value) == 0x0C);
static_assert(offsetof(ModuleVariable, host_previous) == 0x14);
static_assert(offsetof(AxisSlot, variable) == 0x00);
static_assert(offsetof(AxisSlot, reserved_0x1C) == 0x1C);
static_assert(offsetof(AxisSlot, scale) == 0x20);

// StaticImageElement and NeedleElement.
static_assert(offsetof(StaticImageElement, host_0x3C) == 0x3C);
static_assert(offsetof(NeedleElement, variable) == 0x3C);
static_assert(offsetof(NeedleElement, host_0x58) == 0x58);
static_assert(offsetof(NeedleElement, table) == 0x70);
static_assert(offsetof(NeedleElement, table_count) == 0x74);
static_assert(offsetof(NeedleElement, max_step_degrees) == 0x78);
static_assert(offsetof(NeedleElement, host_0x7C) == 0x7C);
static_assert(offsetof(NeedleElement, callback) == 0xE0);
static_assert(offsetof(NeedleElement, host_0xE4) == 0xE4);

// IconElement.
static_assert(offsetof(IconElement, variable) == 0x3C);
static_assert(offsetof(IconElement, host_0x58) == 0x58);
static_assert(offsetof(IconElement, icon_count) == 0x70);
static_assert(offsetof(IconElement, host_0x74) == 0x74);
static_assert(offsetof(IconElement, callback) == 0x84);

// SliderElement.
static_assert(offsetof(SliderElement, reserved_0x3C) == 0x3C);
static_assert(offsetof(SliderElement, x) == 0x40);
static_assert(offsetof(SliderElement, y) == 0x68);
static_assert(offsetof(SliderElement, host_0x90) == 0x90);

// SpriteElement.
static_assert(offsetof(SpriteElement, x) == 0x3C);
static_assert(offsetof(SpriteElement, y) == 0x64);
static_assert(offsetof(SpriteElement, rotation) == 0x8C);
static_assert(offsetof(SpriteElement, texture_scale_x) == 0xB4);
static_assert(offsetof(SpriteElement, texture_scale_y) == 0xB8);
static_assert(offsetof(SpriteElement, host_0xBC) == 0xBC);
static_assert(offsetof(SpriteElement, y_callback) == 0x140);
static_assert(offsetof(SpriteElement, host_0x144) == 0x144);

// NonlinearityEntry, FailureRecord, MouseArea.
static_assert(offsetof(NonlinearityEntry, x) == 0x00);
static_assert(offsetof(NonlinearityEntry, y) == 0x04);
static_assert(offsetof(NonlinearityEntry, value) == 0x08);
static_assert(offsetof(NonlinearityEntry, host_angle) == 0x10);
static_assert(offsetof(FailureRecord, key) == 0x00);
static_assert(offsetof(FailureRecord, action) == 0x04);
static_assert(offsetof(FailureRecord, reserved) == 0x08);
static_assert(offsetof(MouseArea, record_kind) == 0x00);
static_assert(offsetof(MouseArea, box) == 0x04);
static_assert(offsetof(MouseArea, cursor) == 0x14);
static_assert(offsetof(MouseArea, help_id) == 0x18);
static_assert(offsetof(MouseArea, mouse_flags) == 0x1C);
static_assert(offsetof(MouseArea, event_id) == 0x20);
static_assert(offsetof(MouseArea, handler) == 0x24);
static_assert(offsetof(MouseArea, handler_data) == 0x28);

}  // namespace vexmoor

// Every record is initialised data, fixed at compile time, and every object
// that holds a double starts on an 8-byte boundary.
#define VEXMOOR_RECORD alignas(8) constinit
