#include "platform/pixels/image.h"

#include <algorithm>

namespace marevisk {

void Image::fill(const Rect& area, Argb colour) {
    const Rect r = area.intersected(rect());
    for (int y = r.y; y < r.bottom(); ++y) std::fill_n(row(y) + r.x, r.width, colour);
}

void Image::blit(const Image& src, int x, int y, const Rect& clip) {
    const Rect r = clip.intersected(rect()).intersected({x, y, src.width, src.height});
    for (int ty = r.y; ty < r.bottom(); ++ty)
        std::copy_n(src.row(ty - y) + (r.x - x), r.width, row(ty) + r.x);
}

}  // namespace marevisk
