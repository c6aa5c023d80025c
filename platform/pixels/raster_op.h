// The sixteen binary raster operations of a pen over a destination pixel.
// Drawing mode m (0..15) selects operation m + 1 in the classic numbering:
// 1 black, 2 not-merge, 3 mask-not-pen, 4 not-copy, 5 mask-pen-not, 6 not, 7 xor, 8 not-mask,
// 9 mask, 10 not-xor, 11 nop, 12 merge-not-pen, 13 copy, 14 merge-pen-not, 15 merge, 16 white.
#pragma once
#include "platform/pixels/colour.h"

namespace marevisk {

constexpr int kModeMaskNotPen = 2;  // destination AND NOT pen
constexpr int kModeCopyPen = 12;    // pen colour

// Applies mode m to one pixel; only the colour bits take part, the result is opaque.
constexpr Argb ApplyRasterOp(int mode, Argb dst, Argb pen) {
    const Argb d = dst & 0xffffffu, p = pen & 0xffffffu;
    Argb r = 0;
    switch (mode) {
        case 0:
            r = 0;
            break;
        case 1:
            r = ~(d | p);
            break;
        case 2:
            r = d & ~p;
            break;
        case 3:
            r = ~p;
            break;
        case 4:
            r = p & ~d;
            break;
        case 5:
            r = ~d;
            break;
        case 6:
            r = d ^ p;
            break;
        case 7:
            r = ~(d & p);
            break;
        case 8:
            r = d & p;
            break;
        case 9:
            r = ~(d ^ p);
            break;
        case 10:
            r = d;
            break;
        case 11:
            r = d | ~p;
            break;
        case 12:
            r = p;
            break;
        case 13:
            r = p | ~d;
            break;
        case 14:
            r = d | p;
            break;
        default:
            r = 0xffffffu;
            break;
    }
    return 0xff000000u | (r & 0xffffffu);
}

}  // namespace marevisk
