// Where the host finds each field of the module's records: byte offsets
// from the start of a record in the module's 32-bit image. The module
// declares the same layout as structs; a check compiled in the 32-bit build
// pins the two together.
#pragma once

#include <cstdint>

namespace vexmoor::panel::layout {

namespace import_table {
inline constexpr std::uint32_t kSize = 16;
inline constexpr std::uint32_t kEntryId = 0x00;
inline constexpr std::uint32_t kServices = 0x04;
inline constexpr std::uint32_t kTerminatingId = 0x08;
inline constexpr std::uint32_t kTerminatingPointer = 0x0C;
}  // namespace import_table

namespace linkage {
inline constexpr std::uint32_t kModuleId = 0x00;
inline constexpr std::uint32_t kLoadHook = 0x04;
inline constexpr std::uint32_t kUnloadHook = 0x08;
inline constexpr std::uint32_t kReserved = 0x0C;  // three words
inline constexpr std::uint32_t kGauges = 0x18;
}  // namespace linkage

namespace gauge {
inline constexpr std::uint32_t kSize = 120;
inline constexpr std::uint32_t kVersion = 0x00;
inline constexpr std::uint32_t kName = 0x04;
inline constexpr std::uint32_t kElements = 0x08;
inline constexpr std::uint32_t kQuery = 0x0C;
inline constexpr std::uint32_t kInstall = 0x10;
inline constexpr std::uint32_t kInitialize = 0x14;
inline constexpr std::uint32_t kUpdate = 0x18;
inline constexpr std::uint32_t kGenerate = 0x1C;
inline constexpr std::uint32_t kDraw = 0x20;
inline constexpr std::uint32_t kKill = 0x24;
inline constexpr std::uint32_t kReserved = 0x28;
inline constexpr std::uint32_t kDefaultWidth = 0x2C;
inline constexpr std::uint32_t kHost1 = 0x30;  // 32 bytes
inline constexpr std::uint32_t kMouseAreas = 0x50;
inline constexpr std::uint32_t kHost2 = 0x54;  // 36 bytes
}  // namespace gauge

namespace element {
inline constexpr std::uint32_t kSize = 60;
inline constexpr std::uint32_t kKind = 0x00;
inline constexpr std::uint32_t kBitmapId = 0x04;
inline constexpr std::uint32_t kPosition = 0x08;
inline constexpr std::uint32_t kHost1 = 0x10;
inline constexpr std::uint32_t kOffset = 0x18;
inline constexpr std::uint32_t kGauge = 0x20;
inline constexpr std::uint32_t kHost2 = 0x24;
inline constexpr std::uint32_t kChildren = 0x28;
inline constexpr std::uint32_t kFailures = 0x2C;
inline constexpr std::uint32_t kDrawFlags = 0x30;
inline constexpr std::uint32_t kSpecialFlags = 0x34;
inline constexpr std::uint32_t kReserved = 0x38;
}  // namespace element

namespace variable {
inline constexpr std::uint32_t kSize = 28;
inline constexpr std::uint32_t kToken = 0x00;
inline constexpr std::uint32_t kHost1 = 0x04;
inline constexpr std::uint32_t kHost2 = 0x08;
inline constexpr std::uint32_t kValue = 0x0C;
inline constexpr std::uint32_t kPrevious = 0x14;
}  // namespace variable

namespace axis_slot {
inline constexpr std::uint32_t kSize = 40;
inline constexpr std::uint32_t kVariable = 0x00;
inline constexpr std::uint32_t kReserved = 0x1C;
inline constexpr std::uint32_t kScale = 0x20;
}  // namespace axis_slot

namespace static_image {
inline constexpr std::uint32_t kSize = 96;
}

namespace needle {
inline constexpr std::uint32_t kSize = 236;
inline constexpr std::uint32_t kVariable = 0x3C;
inline constexpr std::uint32_t kTable = 0x70;
inline constexpr std::uint32_t kTableCount = 0x74;
inline constexpr std::uint32_t kMaxStep = 0x78;
inline constexpr std::uint32_t kCallback = 0xE0;
}  // namespace needle

namespace icon {
inline constexpr std::uint32_t kSize = 136;
inline constexpr std::uint32_t kVariable = 0x3C;
inline constexpr std::uint32_t kIconCount = 0x70;
inline constexpr std::uint32_t kCallback = 0x84;
}  // namespace icon

namespace slider {
inline constexpr std::uint32_t kSize = 192;
inline constexpr std::uint32_t kReserved = 0x3C;
inline constexpr std::uint32_t kX = 0x40;
inline constexpr std::uint32_t kY = 0x68;
}  // namespace slider

namespace sprite {
inline constexpr std::uint32_t kSize = 352;
inline constexpr std::uint32_t kX = 0x3C;
inline constexpr std::uint32_t kY = 0x64;
inline constexpr std::uint32_t kRotation = 0x8C;
inline constexpr std::uint32_t kTextureScaleX = 0xB4;
inline constexpr std::uint32_t kTextureScaleY = 0xB8;
inline constexpr std::uint32_t kYCallback = 0x140;
}  // namespace sprite

namespace table_entry {
inline constexpr std::uint32_t kSize = 24;
inline constexpr std::uint32_t kX = 0x00;
inline constexpr std::uint32_t kY = 0x04;
inline constexpr std::uint32_t kValue = 0x08;
inline constexpr std::uint32_t kAngle = 0x10;
}  // namespace table_entry

namespace failure {
inline constexpr std::uint32_t kSize = 12;
inline constexpr std::uint32_t kKey = 0x00;
inline constexpr std::uint32_t kAction = 0x04;
inline constexpr std::uint32_t kReserved = 0x08;
}  // namespace failure

namespace mouse {
inline constexpr std::uint32_t kSize = 44;
inline constexpr std::uint32_t kKind = 0x00;
inline constexpr std::uint32_t kBox = 0x04;  // x, y, width, height
inline constexpr std::uint32_t kCursor = 0x14;
inline constexpr std::uint32_t kHelpId = 0x18;
inline constexpr std::uint32_t kMouseFlags = 0x1C;
inline constexpr std::uint32_t kEventId = 0x20;
inline constexpr std::uint32_t kHandler = 0x24;
inline constexpr std::uint32_t kHandlerData = 0x28;
}  // namespace mouse

namespace services {
inline constexpr std::uint32_t kSize = 0xA4;
inline constexpr std::uint32_t kQueryElements = 0x60;
inline constexpr std::uint32_t kInstallElements = 0x64;
inline constexpr std::uint32_t kInitializeElements = 0x68;
inline constexpr std::uint32_t kUpdateElements = 0x6C;
inline constexpr std::uint32_t kGenerateElements = 0x70;
inline constexpr std::uint32_t kDrawElements = 0x74;
inline constexpr std::uint32_t kKillElements = 0x7C;
inline constexpr std::uint32_t kLookupVariable = 0xA0;
}  // namespace services

// Element kinds and mouse record kinds.
inline constexpr std::uint32_t kStaticImage = 0, kNeedle = 1, kSlider = 3, kIcon = 4, kSprite = 6;
inline constexpr std::uint32_t kMouseEnd = 0, kMouseBeginGroup = 1, kMouseChildArea = 2, kMouseEndGroup = 3;

}  // namespace vexmoor::panel::layout
