// GIF pictures through giflib: the first frame on its logical screen, transparency honoured,
// interlaced rows put in their places.
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {

bool DecodeGif(Bytes data, PictureSink& sink, std::string& reason);

}  // namespace marevisk
