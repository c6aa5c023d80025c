#include "platform/pixels/line_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/pixels/raster_op.h"

namespace marevisk {
namespace {

// Pointer positions are small, but a line may come from anywhere: cut it to a box a little larger
// than the image so that stepping along it stays cheap. Returns false when nothing is left.
bool ClipToBox(double& x1, double& y1, double& x2, double& y2, double lo_x, double lo_y,
               double hi_x, double hi_y) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo_x, hi_x - x1, y1 - lo_y, hi_y - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

Rect ThinLine(Image& image, int mode, Argb pen, long long x1, long long y1, long long x2,
              long long y2) {
    constexpr long long kFar = 1 << 15;
    bool paint_end = false;
    if (std::llabs(x1) > kFar || std::llabs(y1) > kFar || std::llabs(x2) > kFar ||
        std::llabs(y2) > kFar) {
        double a = double(x1), b = double(y1), c = double(x2), d = double(y2);
        if (!ClipToBox(a, b, c, d, -2, -2, image.width + 2, image.height + 2)) return {};
        // The far end was cut away, so the last point inside must be painted.
        paint_end = (c != double(x2) || d != double(y2));
        x1 = std::llround(a), y1 = std::llround(b), x2 = std::llround(c), y2 = std::llround(d);
    }
    const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const long long steps = std::max(dx, dy) + (paint_end ? 1 : 0);
    if (steps == 0) return {};
    // Every pixel stepped on lies in the box of the two ends.
    const long long left = std::min(x1, x2), top = std::min(y1, y2);
    const Rect box = Rect{int(left), int(top), int(dx + 1), int(dy + 1)}.intersected(image.rect());
    if (box.empty()) return {};
    const bool inside = box.width == dx + 1 && box.height == dy + 1;
    long long err = dx - dy, x = x1, y = y1;
    for (long long i = 0; i < steps; ++i) {
        if (inside || image.contains(int(x), int(y))) {
            Argb& p = image.row(int(y))[x];
            p = mode == kModeCopyPen ? pen : ApplyRasterOp(mode, p, pen);
        }
        const long long e2 = 2 * err;
        if (e2 > -dy) err -= dy, x += sx;
        if (e2 < dx) err += dx, y += sy;
    }
    return box;
}

Rect WideLine(Image& image, int width, int mode, Argb pen, long long x1, long long y1, long long x2,
              long long y2) {
    if (x1 == x2 && y1 == y2) return {};
    const double r = width / 2.0;
    double ax = double(x1), ay = double(y1), bx = double(x2), by = double(y2);
    if (!ClipToBox(ax, ay, bx, by, -r - 1, -r - 1, image.width + r + 1, image.height + r + 1))
        return {};
    const Rect box =
        Rect{int(std::floor(std::min(ax, bx) - r)), int(std::floor(std::min(ay, by) - r)), 0, 0};
    const int right = int(std::ceil(std::max(ax, bx) + r)) + 1;
    const int bottom = int(std::ceil(std::max(ay, by) + r)) + 1;
    const Rect area = Rect{box.x, box.y, right - box.x, bottom - box.y}.intersected(image.rect());
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const double r2 = r * r + 1e-9;
    Rect changed;
    for (int y = area.y; y < area.bottom(); ++y) {
        Argb* row = image.row(y);
        for (int x = area.x; x < area.right(); ++x) {
            double t = ((x - ax) * dx + (y - ay) * dy) / len2;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = ax + t * dx - x, ey = ay + t * dy - y;
            if (ex * ex + ey * ey <= r2) {
                row[x] = ApplyRasterOp(mode, row[x], pen);
                changed = changed.united({x, y, 1, 1});
            }
        }
    }
    return changed;
}

}  // namespace

Rect DrawLine(Image& image, const Pen& pen, long long x1, long long y1, long long x2,
              long long y2) {
    const int mode = std::clamp(pen.mode, 0, 15);
    const int width = std::clamp(pen.width, 0, 32767);
    const Argb colour = ArgbFromColour(pen.colour);
    if (image.empty()) return {};
    if (width <= 1) return ThinLine(image, mode, colour, x1, y1, x2, y2);
    return WideLine(image, width, mode, colour, x1, y1, x2, y2);
}

}  // namespace marevisk
