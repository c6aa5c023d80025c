// One step of a chip-font trace: which neighbour of the current pixel the walk enters next.
#pragma once
#include <cstdint>

#include "platform/pixels/colour.h"

namespace marevisk {

struct PixelProbe {
    std::int32_t x = -1;  // -1: no pixel
    std::int32_t y = 0;
    Colour colour = 0;
};

// The first neighbour of `current` (straight ones before diagonal, up before down, left before
// right) whose source colour is like the current colour and which the walk has not entered,
// read from SourceBitmap and VisitedBitmap; a probe with x = -1 when there is none. Column 0
// and row 0 are never entered.
PixelProbe NextTracePixel(const PixelProbe& current);

}  // namespace marevisk
