// Whether two colours are close enough to belong to one trace of the chip-font tracer.
#pragma once
#include "platform/pixels/colour.h"

namespace marevisk {

inline constexpr float LikenessFactor = 0.5f;

// 1 when a and b are alike, 0 when not, -1 when factor is 1 (within 1e-7). Brightness may
// differ by less than 60 and every channel by less than (1 - factor) * 225; the high byte is
// ignored.
int ColourLikeness(Colour a, Colour b, float factor);

}  // namespace marevisk
