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
};

// Decodes `data` into `sink`. Returns false and sets `reason` when the data is refused.
// `depth`, when given, receives the bits per pixel of the picture.
bool DecodeBmp(Bytes data, PictureSink& sink, std::string& reason, const BmpOptions& options = {},
               int* depth = nullptr);

// Same, for the DIB inside an icon: no file header, and the height counts the mask too.
bool DecodeDib(Bytes dib, PictureSink& sink, std::string& reason, bool icon_mask);

}  // namespace marevisk
