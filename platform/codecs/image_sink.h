// A sink that keeps the whole decoded picture at the size the decoder delivers.
#pragma once
#include <algorithm>

#include "platform/codecs/picture_sink.h"
#include "platform/pixels/image.h"

namespace marevisk {

class ImageSink : public PictureSink {
  public:
    bool declare(int w, int h, Orientation) override { return w > 0 && h > 0; }
    void wantedSize(int& w, int& h) const override { (void)w, (void)h; }
    void begin(int w, int h) override { image = Image(w, h, 0); }
    void row(int y, const Argb* px) override {
        if (y >= 0 && y < image.height) std::copy_n(px, image.width, image.row(y));
    }
    Image image;  // transparent where no row arrived
};

}  // namespace marevisk
