#include "platform/pixels/fit_rule.h"

#include <algorithm>

namespace marevisk {

Rect FitCentred(int canvas_w, int canvas_h, int w, int h) {
    if (w <= 0 || h <= 0) return {};
    int x = 0, y = 0, a = canvas_w, b = canvas_h;
    if (w <= a) x += (a - w) / 2, a = w;
    if (h <= b) y += (b - h) / 2, b = h;
    if (w > a || h > b) {
        const double t = std::min(double(a) / w, double(b) / h);
        // At least one pixel: a picture of 1 x 100000 still shows as a line, not as nothing.
        const int dw = std::max(1, int(w * t)), dh = std::max(1, int(h * t));
        return {x + (a - dw) / 2, y + (b - dh) / 2, dw, dh};
    }
    return {x, y, w, h};
}

}  // namespace marevisk
