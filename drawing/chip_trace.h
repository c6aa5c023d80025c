// The chip-font tracer: retraces the non-white pixels of SourceBitmap as chains of one-pixel
// segments at twice the size, each in the colour of the pixel it leads to.
#pragma once
#include "platform/pixels/colour.h"

namespace marevisk {

// What the tracer draws on: the preview canvas with its current pen (width 0, copy mode).
class TraceTarget {
  public:
    virtual ~TraceTarget() = default;
    virtual void setPenColour(Colour colour) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};

// Rebuilds VisitedBitmap, TraceWidth, TraceHeight and TraceBackground from SourceBitmap, then
// scans x from 1 (outer) and y from 1 (inner), walking from every pixel not yet visited.
void TraceChipText(TraceTarget& preview);

}  // namespace marevisk
