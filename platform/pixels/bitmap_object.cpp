#include "platform/pixels/bitmap_object.h"

#include "platform/codecs/bmp_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {
namespace {

// Keeps the rows of a loaded BMP as 0x00BBGGRR colours.
class ColourSink : public PictureSink {
  public:
    bool declare(int w, int h, Orientation) override { return w > 0 && h > 0; }
    void wantedSize(int&, int&) const override {}
    void begin(int w, int h) override {
        width = w, height = h;
        pixels.assign(std::size_t(w) * std::size_t(h), 0);
    }
    void row(int y, const Argb* px) override {
        if (y < 0 || y >= height) return;
        Colour* out = pixels.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) out[x] = ColourFromArgb(px[x]);
    }
    int width = 0, height = 0;
    std::vector<Colour> pixels;
};

}  // namespace

void BitmapObject::clear() {
    width_ = height_ = depth_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
}

void BitmapObject::loadFromBmp(std::string_view bytes) {
    clear();
    ColourSink sink;
    std::string reason;
    int depth = 0;
    if (!DecodeBmp(bytes, sink, reason, BmpOptions{false, true}, &depth)) return;
    width_ = sink.width, height_ = sink.height, depth_ = depth;
    pixels_ = std::move(sink.pixels);
}

void BitmapObject::createBlank(int width, int height, int depth, Colour fill) {
    clear();
    if (!IsBmpDepth(depth) || width <= 0 || height <= 0 || width > kMaxPictureSide ||
        height > kMaxPictureSide)
        return;
    width_ = width, height_ = height, depth_ = depth;
    pixels_.assign(std::size_t(width) * std::size_t(height), fill & 0xffffffu);
}

}  // namespace marevisk
