#include "drawing/trace_step.h"

#include "app/program_state.h"
#include "drawing/colour_likeness.h"

namespace marevisk {

PixelProbe NextTracePixel(const PixelProbe& current) {
    constexpr double kTolerance = 1e-7;
    const double x = current.x, y = current.y;
    const bool up = y - 1 > kTolerance;
    const bool down = (y + 1) - TraceHeight < -kTolerance;
    const bool left = x - 1 > kTolerance;
    const bool right = (x + 1) - TraceWidth < -kTolerance;
    struct Step {
        int dx, dy;
        bool allowed;
    };
    const Step order[8] = {
        {0, -1, up},          {0, 1, down},          {-1, 0, left},         {1, 0, right},
        {-1, -1, up && left}, {-1, 1, down && left}, {1, 1, right && down}, {1, -1, right && up},
    };
    for (const Step& s : order) {
        if (!s.allowed) continue;
        const int nx = current.x + s.dx, ny = current.y + s.dy;
        const Colour n = SourceBitmap->pixel(nx, ny);
        if (ColourLikeness(current.colour, n, LikenessFactor) != 1) continue;
        if (VisitedBitmap->pixel(nx, ny) == n) continue;
        return {nx, ny, n};
    }
    return {};
}

}  // namespace marevisk
