#include "platform/codecs/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace marevisk {
namespace {

struct Source {
    Bytes data;
    std::size_t at = 0;
};

int Read(GifFileType* gif, GifByteType* out, int wanted) {
    auto* src = static_cast<Source*>(gif->UserData);
    const std::size_t n =
        std::min<std::size_t>(std::size_t(std::max(wanted, 0)), src->data.size() - src->at);
    std::memcpy(out, src->data.data() + src->at, n);
    src->at += n;
    return int(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Skips an extension, noting the transparent index of a graphic control block.
bool ReadExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
        transparent = (block[1] & 1) ? block[4] : -1;
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
    return true;
}

}  // namespace

bool DecodeGif(Bytes data, PictureSink& sink, std::string& reason) {
    Source source{data};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, Read, &error));
    if (!gif) return reason = why::kDamaged, false;
    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) != GIF_OK) return reason = why::kDamaged, false;
        if (type == TERMINATE_RECORD_TYPE) return reason = why::kDamaged, false;
        if (type == EXTENSION_RECORD_TYPE) {
            if (!ReadExtension(gif.get(), transparent)) return reason = why::kDamaged, false;
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif.get()) != GIF_OK) return reason = why::kDamaged, false;
        break;
    }
    const GifImageDesc& frame = gif->Image;
    const long long fw = frame.Width, fh = frame.Height, fx = frame.Left, fy = frame.Top;
    if (!SizeAllowed(fw, fh, reason)) return false;
    // The logical screen; a broken one is replaced by the frame's extent.
    long long sw = gif->SWidth, sh = gif->SHeight;
    if (sw <= 0 || sh <= 0) sw = fx + fw, sh = fy + fh;
    if (!SizeAllowed(sw, sh, reason)) return false;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    std::vector<Argb> palette(256, 0xff000000u);
    if (map && map->Colors) {
        for (int i = 0; i < std::min(map->ColorCount, 256); ++i)
            palette[std::size_t(i)] =
                MakeArgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    } else {
        for (int i = 0; i < 256; ++i) palette[std::size_t(i)] = MakeArgb(i, i, i);
    }
    if (transparent >= 0) palette[std::size_t(transparent)] = 0;

    if (!sink.declare(int(sw), int(sh), Orientation{})) return reason = why::kTooLarge, false;
    sink.begin(int(sw), int(sh));
    std::vector<GifPixelType> indices(static_cast<std::size_t>(fw));
    std::vector<Argb> row(std::size_t(sw), 0);  // screen pixels outside the frame: transparent
    // Row order of the four interlace passes.
    const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    long long delivered = 0;
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? starts[pass] : 0,
                  step = frame.Interlace ? steps[pass] : 1;
        for (long long r = start; r < fh; r += step) {
            if (DGifGetLine(gif.get(), indices.data(), int(fw)) != GIF_OK)
                return delivered > 0 || (reason = why::kDamaged, false);
            const long long y = fy + r;
            if (y < 0 || y >= sh) continue;
            for (long long x = 0; x < fw; ++x) {
                const long long sx = fx + x;
                if (sx >= 0 && sx < sw) row[std::size_t(sx)] = palette[indices[std::size_t(x)]];
            }
            sink.row(int(y), row.data());
            ++delivered;
        }
    }
    return delivered > 0 || (reason = why::kDamaged, false);
}

}  // namespace marevisk
