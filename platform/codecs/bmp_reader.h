// Windows BMP pictures: core and info headers (up to V5), 1/4/8/16/24/32 bits per pixel,
// bottom-up or top-down rows, bit-field masks, RLE4 and RLE8.
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {

struct BmpOptions {
    bool allow_compressed = true;  // RLE4, RLE8
    bool strict = false;           // a truncated picture is refused rather than shown in part
    bool alpha32 = false;          // 32-bit rows carry alpha in their fourth byte (icons)
};

// Bits per pixel a BMP may have.
constexpr bool IsBmpDepth(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// Where the parts of a DIB (a BMP without its file header) lie.
struct DibLayout {
    int width = 0, height = 0;  // height as stored; for icons twice the picture's
    int bpp = 0;
    std::size_t pixel_offset = 0;  // after the header, masks and colour table
    std::size_t stride = 0;        // bytes of one stored row
};
bool ReadDibLayout(Bytes dib, DibLayout& layout);

// Decodes `data` into `sink`. Returns false and sets `reason` when the data is refused.
// `depth`, when given, receives the bits per pixel of the picture.
bool DecodeBmp(Bytes data, PictureSink& sink, std::string& reason, const BmpOptions& options = {},
               int* depth = nullptr);

// Same, for the DIB inside an icon: no file header, the height counts the AND mask too, and
// 32-bit rows carry alpha.
bool DecodeIconDib(Bytes dib, PictureSink& sink, std::string& reason);

}  // namespace marevisk
