// Windows icons and cursors: the best entry of the directory (largest, then deepest), stored as a
// DIB with its AND mask or as PNG, with its transparency.
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {

inline constexpr int kMaxIconSide =
    1024;  // entries claim at most 256; anything past this is forged

bool DecodeIcon(Bytes data, PictureSink& sink, std::string& reason);

}  // namespace marevisk
