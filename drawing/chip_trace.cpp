#include "drawing/chip_trace.h"

#include "app/program_state.h"
#include "drawing/trace_step.h"

namespace marevisk {

void TraceChipText(TraceTarget& preview) {
    TraceBackground = 0xffffff;
    TraceHeight = SourceBitmap->height();
    TraceWidth = SourceBitmap->width();
    const int depth = SourceBitmap->depth();
    VisitedBitmap->createBlank(TraceWidth, TraceHeight, depth, TraceBackground);

    for (int x = 1; x < TraceWidth; ++x) {
        for (int y = 1; y < TraceHeight; ++y) {
            PixelProbe current{x, y, SourceBitmap->pixel(x, y)};
            if (VisitedBitmap->pixel(x, y) == current.colour) continue;
            for (;;) {
                const PixelProbe next = NextTracePixel(current);
                if (next.x == -1) {
                    // The end of a walk is marked red, not with its own colour, so that a later
                    // walk may pass through it again.
                    VisitedBitmap->setPixel(current.x, current.y, 0x0000ff);
                    break;
                }
                preview.setPenColour(next.colour);
                preview.drawLine(2 * current.x, 2 * current.y, 2 * next.x, 2 * next.y);
                VisitedBitmap->setPixel(next.x, next.y, next.colour);
                current = next;
            }
        }
    }
}

}  // namespace marevisk
