// Writes an image as a 24-bit, bottom-up, uncompressed BMP file image.
#pragma once
#include <string>

#include "platform/pixels/image.h"

namespace marevisk {

// 14-byte file header, 40-byte info header, rows padded to four bytes, bottom row first.
std::string EncodeBmp24(const Image& image);

}  // namespace marevisk
