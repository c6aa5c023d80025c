// The bitmap object the chip-font tracer works on: a picture loaded from BMP bytes or made
// blank, read and written one pixel at a time in 0x00BBGGRR colours.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/pixels/colour.h"

namespace marevisk {

class BitmapObject {
  public:
    // Replaces the content with an uncompressed BMP file image (core or info header; 1, 4, 8,
    // 16, 24 or 32 bits per pixel; either row order). Anything else leaves the bitmap empty.
    void loadFromBmp(std::string_view bytes);
    // Replaces the content with a width x height picture of `fill`. The depth must be one of
    // 1, 4, 8, 16, 24, 32 and both sides positive and within the picture limits, else empty.
    void createBlank(int width, int height, int depth, Colour fill);
    void clear();

    bool empty() const { return width_ <= 0; }
    int width() const { return empty() ? -1 : width_; }
    int height() const { return empty() ? -1 : height_; }
    std::int16_t depth() const { return empty() ? std::int16_t(-1) : std::int16_t(depth_); }

    // 0 outside the bitmap or when it is empty.
    Colour pixel(int x, int y) const {
        return inside(x, y) ? pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] : 0;
    }
    // Ignored outside the bitmap or when it is empty.
    void setPixel(int x, int y, Colour c) {
        if (inside(x, y))
            pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c & 0xffffffu;
    }

  private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_ = 0, height_ = 0, depth_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace marevisk
