// The panel's colours: dark metal cases and dials, off-white markings.
#pragma once

#include "image.h"

namespace vexmoor::art {

inline constexpr Rgb kCaseMetal{46, 47, 50};
inline constexpr Rgb kCaseEdgeLight{104, 106, 110};
inline constexpr Rgb kCaseEdgeDark{18, 18, 20};
inline constexpr Rgb kScrewMetal{128, 128, 124};
inline constexpr Rgb kBezelLight{118, 120, 124};
inline constexpr Rgb kBezelDark{24, 24, 26};
inline constexpr Rgb kRingLight{170, 172, 174};
inline constexpr Rgb kDialFace{36, 36, 38};
inline constexpr Rgb kMarking{236, 236, 228};
inline constexpr Rgb kNeedleWhite{242, 242, 236};
inline constexpr Rgb kKnobRimLight{206, 206, 202};
inline constexpr Rgb kKnobRimDark{104, 104, 102};
inline constexpr Rgb kKnobFace{44, 44, 47};
inline constexpr Rgb kLampRed{220, 40, 30};
inline constexpr Rgb kLampGreen{60, 210, 70};
inline constexpr Rgb kLampAmber{240, 170, 30};
// The older instruments: cream scales, pale cream needles on dark grey hubs.
inline constexpr Rgb kScaleCream{214, 206, 181};
inline constexpr Rgb kNeedleCream{220, 219, 202};
inline constexpr Rgb kHubGrey{72, 72, 76};

}  // namespace vexmoor::art
