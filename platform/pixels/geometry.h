// Integer rectangles in pixels.
#pragma once
#include <algorithm>

namespace marevisk {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    bool operator==(const Rect&) const = default;

    Rect intersected(const Rect& o) const {
        const int l = std::max(x, o.x), t = std::max(y, o.y);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{};
    }
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        const int l = std::min(x, o.x), t = std::min(y, o.y);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
};

}  // namespace marevisk
