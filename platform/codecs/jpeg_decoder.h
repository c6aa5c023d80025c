// JPEG pictures through libjpeg: baseline, progressive, greyscale and CMYK, with the camera's
// orientation tag honoured. Reduces while decoding (DCT scaling) to the size the sink wants.
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {

inline constexpr long kJpegMemoryLimit = 256L * 1024 * 1024;
inline constexpr int kJpegMaxScans = 100;

// Errors come back as false with `reason` set; libjpeg never ends the process.
bool DecodeJpeg(Bytes data, PictureSink& sink, std::string& reason);

// The orientation recorded in an APP1 Exif block (1 when there is none or it cannot be read).
int ExifOrientation(Bytes app1);

}  // namespace marevisk
