// What every gauge shares: the seven gauge routines that each header points
// to, the hooks of Linkage, and small builders for the fixed frame of a
// gauge's mouse-area table, so that each gauge file reads like its tables.
#pragma once

#include <cstdint>

#include "host/host_codes.h"
#include "module/gauge_records.h"

namespace vexmoor {

extern "C" {
std::uint32_t VEXMOOR_STDCALL GaugeQuery();
std::uint32_t VEXMOOR_STDCALL GaugeInstall(std::uint32_t value);
std::uint32_t VEXMOOR_STDCALL GaugeInitialize();
std::uint32_t VEXMOOR_STDCALL GaugeUpdate();
std::uint32_t VEXMOOR_STDCALL GaugeGenerate(std::uint32_t value);
std::uint32_t VEXMOOR_STDCALL GaugeDraw();
std::uint32_t VEXMOOR_STDCALL GaugeKill();
void VEXMOOR_STDCALL OnModuleLoad();
void VEXMOOR_STDCALL OnModuleUnload();
}

// The seven shared routines, in header order, for a designated initialiser.
#define VEXMOOR_GAUGE_ROUTINES                                                         \
    .query = ::vexmoor::GaugeQuery, .install = ::vexmoor::GaugeInstall,                \
    .initialize = ::vexmoor::GaugeInitialize, .update = ::vexmoor::GaugeUpdate,        \
    .generate = ::vexmoor::GaugeGenerate, .draw = ::vexmoor::GaugeDraw,                \
    .kill = ::vexmoor::GaugeKill

// The frame of every mouse-area table: begin group with the gauge's tooltip,
// the child areas, end group, end.
constexpr MouseArea mouse_begin_group(std::uint32_t help_id) {
    return {.record_kind = kMouseBeginGroup, .box = {}, .cursor = host::kCursorNone, .help_id = help_id};
}

constexpr MouseArea mouse_child_area(MouseBox box, std::int32_t cursor, std::uint32_t mouse_flags,
                                     std::uint32_t event_id) {
    return {.record_kind = kMouseChildArea,
            .box = box,
            .cursor = cursor,
            .help_id = 0,
            .mouse_flags = mouse_flags,
            .event_id = event_id};
}

constexpr MouseArea mouse_end_group() {
    return {.record_kind = kMouseEndGroup, .box = {}, .cursor = host::kCursorNone};
}

constexpr MouseArea mouse_end() {
    return {.record_kind = kMouseEnd, .box = {}, .cursor = host::kCursorNone};
}

// The end of a failure list.
inline constexpr FailureRecord kFailureListEnd = {0, 0, 0};

}  // namespace vexmoor
