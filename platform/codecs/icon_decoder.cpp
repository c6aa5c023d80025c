#include "platform/codecs/icon_decoder.h"

#include <png.h>

#include <vector>

#include "platform/codecs/bmp_reader.h"
#include "platform/codecs/image_sink.h"

namespace marevisk {
namespace {

const Bytes kPngSignature("\x89PNG\r\n\x1a\n", 8);

struct Entry {
    Bytes data;
    bool png = false;
    long long width = 0, height = 0;
    int bpp = 0;
};

bool Describe(Bytes data, Entry& e) {
    e.png = data.substr(0, 8) == kPngSignature;
    if (e.png) {
        e.width = U32BE(data, 16), e.height = U32BE(data, 20);
        e.bpp = int(U8(data, 24)) * 4;
    } else {
        DibLayout layout;
        if (!ReadDibLayout(data, layout)) return false;
        e.width = layout.width, e.height = layout.height / 2, e.bpp = layout.bpp;
    }
    return e.width > 0 && e.height > 0 && e.width <= kMaxIconSide && e.height <= kMaxIconSide;
}

bool DecodePng(Bytes data, Image& out) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.data(), data.size())) return false;
    if (png.width == 0 || png.height == 0 || png.width > kMaxIconSide ||
        png.height > kMaxIconSide) {
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB
    out = Image(int(png.width), int(png.height), 0);
    if (!png_image_finish_read(&png, nullptr, out.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    return true;
}

bool DecodeDibWithMask(Bytes dib, Image& out, std::string& reason) {
    ImageSink colours;
    if (!DecodeIconDib(dib, colours, reason)) return false;
    out = std::move(colours.image);
    DibLayout layout;
    ReadDibLayout(dib, layout);
    bool has_alpha = false;
    if (layout.bpp == 32)
        for (Argb p : out.pixels) has_alpha = has_alpha || AlphaOf(p) != 0;
    if (has_alpha) return true;
    // Without alpha the AND mask says what is transparent: bit 1, rows bottom-up.
    const std::size_t mask_stride = std::size_t((out.width + 31) / 32 * 4);
    const std::size_t mask_at = layout.pixel_offset + layout.stride * std::size_t(out.height);
    for (int y = 0; y < out.height; ++y) {
        const std::size_t row_at = mask_at + mask_stride * std::size_t(out.height - 1 - y);
        Argb* row = out.row(y);
        for (int x = 0; x < out.width; ++x) {
            const bool clear = HasBytes(dib, row_at + std::size_t(x / 8), 1) &&
                               ((U8(dib, row_at + std::size_t(x / 8)) >> (7 - x % 8)) & 1);
            row[x] = clear ? 0u : (row[x] | 0xff000000u);
        }
    }
    return true;
}

}  // namespace

bool DecodeIcon(Bytes data, PictureSink& sink, std::string& reason) {
    const std::size_t count = U16LE(data, 4);
    Entry best;
    bool found = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * i;
        if (!HasBytes(data, at, 16)) break;
        const std::size_t size = U32LE(data, at + 8), offset = U32LE(data, at + 12);
        if (offset >= data.size()) continue;
        Entry e;
        e.data = data.substr(offset, size);
        if (!Describe(e.data, e)) continue;
        if (!found || e.width * e.height > best.width * best.height ||
            (e.width * e.height == best.width * best.height && e.bpp > best.bpp))
            best = e, found = true;
    }
    if (!found) return reason = why::kDamaged, false;
    Image picture;
    if (best.png ? !DecodePng(best.data, picture) : !DecodeDibWithMask(best.data, picture, reason))
        return reason = reason.empty() ? why::kDamaged : reason, false;
    if (!sink.declare(picture.width, picture.height, Orientation{}))
        return reason = why::kTooLarge, false;
    sink.begin(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) sink.row(y, picture.row(y));
    return true;
}

}  // namespace marevisk
