// Pins the record structs that the module writes to the byte offsets that
// the panel host reads: the layout is stated twice on purpose, and this
// translation unit of the 32-bit build fails to compile if the two differ.
#include <cstddef>

#include "module/exports.h"
#include "panel/record_layout.h"

namespace vexmoor {
namespace L = panel::layout;

#define PIN(type, field, offset) static_assert(offsetof(type, field) == (offset), #type "." #field)
#define PIN_SIZE(type, size) static_assert(sizeof(type) == (size), #type)

PIN_SIZE(ImportTableRecord, L::import_table::kSize);
PIN(ImportTableRecord, entry_id, L::import_table::kEntryId);
PIN(ImportTableRecord, services, L::import_table::kServices);
PIN(ImportTableRecord, terminating_id, L::import_table::kTerminatingId);
PIN(ImportTableRecord, terminating_pointer, L::import_table::kTerminatingPointer);

using Linkage = LinkageRecord<kGaugeCount>;
PIN(Linkage, module_id, L::linkage::kModuleId);
PIN(Linkage, load, L::linkage::kLoadHook);
PIN(Linkage, unload, L::linkage::kUnloadHook);
PIN(Linkage, reserved_0x0C, L::linkage::kReserved);
PIN(Linkage, gauges, L::linkage::kGauges);

PIN_SIZE(GaugeHeader, L::gauge::kSize);
PIN(GaugeHeader, header_version, L::gauge::kVersion);
PIN(GaugeHeader, name, L::gauge::kName);
PIN(GaugeHeader, elements, L::gauge::kElements);
PIN(GaugeHeader, query, L::gauge::kQuery);
PIN(GaugeHeader, install, L::gauge::kInstall);
PIN(GaugeHeader, initialize, L::gauge::kInitialize);
PIN(GaugeHeader, update, L::gauge::kUpdate);
PIN(GaugeHeader, generate, L::gauge::kGenerate);
PIN(GaugeHeader, draw, L::gauge::kDraw);
PIN(GaugeHeader, kill, L::gauge::kKill);
PIN(GaugeHeader, reserved_0x28, L::gauge::kReserved);
PIN(GaugeHeader, default_width, L::gauge::kDefaultWidth);
PIN(GaugeHeader, host_0x30, L::gauge::kHost1);
PIN(GaugeHeader, mouse_areas, L::gauge::kMouseAreas);
PIN(GaugeHeader, host_0x54, L::gauge::kHost2);

PIN_SIZE(ElementHeader, L::element::kSize);
PIN(ElementHeader, kind, L::element::kKind);
PIN(ElementHeader, bitmap_id, L::element::kBitmapId);
PIN(ElementHeader, position, L::element::kPosition);
PIN(ElementHeader, host_0x10, L::element::kHost1);
PIN(ElementHeader, offset, L::element::kOffset);
PIN(ElementHeader, gauge, L::element::kGauge);
PIN(ElementHeader, host_0x24, L::element::kHost2);
PIN(ElementHeader, children, L::element::kChildren);
PIN(ElementHeader, failures, L::element::kFailures);
PIN(ElementHeader, draw_flags, L::element::kDrawFlags);
PIN(ElementHeader, special_flags, L::element::kSpecialFlags);
PIN(ElementHeader, reserved_0x38, L::element::kReserved);

PIN_SIZE(ModuleVariable, L::variable::kSize);
PIN(ModuleVariable, token, L::variable::kToken);
PIN(ModuleVariable, host_0x04, L::variable::kHost1);
PIN(ModuleVariable, host_0x08, L::variable::kHost2);
PIN(ModuleVariable, value, L::variable::kValue);
PIN(ModuleVariable, host_previous, L::variable::kPrevious);

PIN_SIZE(AxisSlot, L::axis_slot::kSize);
PIN(AxisSlot, variable, L::axis_slot::kVariable);
PIN(AxisSlot, reserved_0x1C, L::axis_slot::kReserved);
PIN(AxisSlot, scale, L::axis_slot::kScale);

PIN_SIZE(StaticImageElement, L::static_image::kSize);

PIN_SIZE(NeedleElement, L::needle::kSize);
PIN(NeedleElement, variable, L::needle::kVariable);
PIN(NeedleElement, table, L::needle::kTable);
PIN(NeedleElement, table_count, L::needle::kTableCount);
PIN(NeedleElement, max_step_degrees, L::needle::kMaxStep);
PIN(NeedleElement, callback, L::needle::kCallback);

PIN_SIZE(IconElement, L::icon::kSize);
PIN(IconElement, variable, L::icon::kVariable);
PIN(IconElement, icon_count, L::icon::kIconCount);
PIN(IconElement, callback, L::icon::kCallback);

PIN_SIZE(SliderElement, L::slider::kSize);
PIN(SliderElement, reserved_0x3C, L::slider::kReserved);
PIN(SliderElement, x, L::slider::kX);
PIN(SliderElement, y, L::slider::kY);

PIN_SIZE(SpriteElement, L::sprite::kSize);
PIN(SpriteElement, x, L::sprite::kX);
PIN(SpriteElement, y, L::sprite::kY);
PIN(SpriteElement, rotation, L::sprite::kRotation);
PIN(SpriteElement, texture_scale_x, L::sprite::kTextureScaleX);
PIN(SpriteElement, texture_scale_y, L::sprite::kTextureScaleY);
PIN(SpriteElement, y_callback, L::sprite::kYCallback);

PIN_SIZE(NonlinearityEntry, L::table_entry::kSize);
PIN(NonlinearityEntry, x, L::table_entry::kX);
PIN(NonlinearityEntry, y, L::table_entry::kY);
PIN(NonlinearityEntry, value, L::table_entry::kValue);
PIN(NonlinearityEntry, host_angle, L::table_entry::kAngle);

PIN_SIZE(FailureRecord, L::failure::kSize);
PIN(FailureRecord, key, L::failure::kKey);
PIN(FailureRecord, action, L::failure::kAction);
PIN(FailureRecord, reserved, L::failure::kReserved);

PIN_SIZE(MouseArea, L::mouse::kSize);
PIN(MouseArea, record_kind, L::mouse::kKind);
PIN(MouseArea, box, L::mouse::kBox);
PIN(MouseArea, cursor, L::mouse::kCursor);
PIN(MouseArea, help_id, L::mouse::kHelpId);
PIN(MouseArea, mouse_flags, L::mouse::kMouseFlags);
PIN(MouseArea, event_id, L::mouse::kEventId);
PIN(MouseArea, handler, L::mouse::kHandler);
PIN(MouseArea, handler_data, L::mouse::kHandlerData);

PIN_SIZE(PanelServices, L::services::kSize);
PIN(PanelServices, query_elements, L::services::kQueryElements);
PIN(PanelServices, install_elements, L::services::kInstallElements);
PIN(PanelServices, initialize_elements, L::services::kInitializeElements);
PIN(PanelServices, update_elements, L::services::kUpdateElements);
PIN(PanelServices, generate_elements, L::services::kGenerateElements);
PIN(PanelServices, draw_elements, L::services::kDrawElements);
PIN(PanelServices, kill_elements, L::services::kKillElements);
PIN(PanelServices, lookup_variable, L::services::kLookupVariable);

}  // namespace vexmoor
