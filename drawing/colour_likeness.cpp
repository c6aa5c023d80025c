#include "drawing/colour_likeness.h"

#include <cmath>

namespace marevisk {
namespace {

constexpr double kTolerance = 1e-7;

double Channel(Colour c, int byte) {
    return double((c >> (8 * byte)) & 0xffu);
}
double Brightness(Colour c) {
    return (Channel(c, 0) + Channel(c, 1) + Channel(c, 2)) / 3.0;
}

}  // namespace

int ColourLikeness(Colour a, Colour b, float factor) {
    const double f = double(factor);
    if (std::fabs(f - 1.0) <= kTolerance) return -1;
    if (!(std::fabs(Brightness(a) - Brightness(b)) - 60.0 < -kTolerance)) return 0;
    const double limit = (1.0 - f) * 225.0;
    for (int byte = 0; byte < 3; ++byte)
        if (!(std::fabs(Channel(a, byte) - Channel(b, byte)) - limit < -kTolerance)) return 0;
    return 1;
}

}  // namespace marevisk
