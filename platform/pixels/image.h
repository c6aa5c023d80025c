// A plain 32-bit picture in memory: the pixels a canvas shows, a decoded photo, a capture.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/pixels/colour.h"
#include "platform/pixels/geometry.h"

namespace marevisk {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;  // row-major, top row first, width * height entries

    Image() = default;
    Image(int w, int h, Argb fill = 0xff000000u)
        : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}

    bool empty() const { return width <= 0 || height <= 0; }
    Rect rect() const { return {0, 0, width, height}; }
    Argb* row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const Argb* row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    Argb at(int x, int y) const { return row(y)[x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    void fill(const Rect& area, Argb colour);
    // Copies src's pixels into this image with src's top-left at (x, y), clipped.
    void blit(const Image& src, int x, int y, const Rect& clip);
};

}  // namespace marevisk
