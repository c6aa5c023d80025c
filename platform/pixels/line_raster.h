// Lines drawn into an image the way a classic GDI pen draws them.
#pragma once
#include "platform/pixels/colour.h"
#include "platform/pixels/geometry.h"
#include "platform/pixels/image.h"
#include "platform/pixels/raster_op.h"

namespace marevisk {

struct Pen {
    int width = 0;            // 0..32767; 0 and 1 draw a one-pixel line
    int mode = kModeCopyPen;  // 0..15, see raster_op.h
    Colour colour = 0;        // 0x00BBGGRR
};

// Draws from (x1, y1) to (x2, y2) clipped to the image, applying the pen's raster operation once
// to every covered pixel.
// - One-pixel pens: Bresenham steps, the end point itself is left unpainted (as LineTo does),
//   so a polyline paints every joint exactly once.
// - Wider pens: every pixel whose centre lies within width / 2 of the segment, which gives round
//   ends and, along a polyline, round joins. A zero-length segment paints nothing.
// Returns the rectangle of pixels that may have changed (empty when none).
Rect DrawLine(Image& image, const Pen& pen, long long x1, long long y1, long long x2, long long y2);

}  // namespace marevisk
